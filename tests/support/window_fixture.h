#pragma once
// The program's window on a simulated LAN for a test: a scratch working
// folder holding the HTML application, the switch simulator, and the window
// in the local mode with its page loaded and listening.

#include "shell/orb_window.h"
#include "tests/support/page_driver.h"
#include "tests/support/switch_simulator.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class WindowFixture
{
public:
    explicit WindowFixture(const QStringList& simulator_arguments = {});
    ~WindowFixture();

    // True once the simulator answers and the page listens.
    bool is_ready() const { return ready; }
    // Saves the screen to SCREENSHOT_DIR/<name>.png after letting windows paint;
    // with a delay, another process takes it while this one is busy.
    bool screenshot(const QString& name, int delay_ms = 0);

    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<SwitchSimulator> sim;
    std::unique_ptr<ORB_Window> window;
    std::unique_ptr<PageDriver> page;

private:
    bool ready = false;
};
