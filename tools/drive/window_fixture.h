#pragma once
// The program's window on a simulated LAN for a test: a scratch working
// folder holding the HTML application, the switch simulator, and the window
// with its page loaded and listening: in the local mode, or in the cloud mode
// signed in to the reference cloud service.

#include "shell/orb_window.h"
#include "tools/drive/cloud_simulator.h"
#include "tools/drive/page_driver.h"
#include "tools/drive/switch_simulator.h"

#include <QJsonArray>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class ORB_CONN2DEVICE;
class QLineEdit;
class QTreeWidget;

class WindowFixture
{
public:
    explicit WindowFixture(const QStringList& simulator_arguments = {});
    // A simulator of these switches, restarting in restart_ms, with a control
    // socket; more: further simulator arguments.
    WindowFixture(const QJsonArray& fleet, int restart_ms, const QStringList& more = {});
    // The cloud mode, signed in with a mobile number and password of the seed,
    // or signed out (as --cloud starts) with an empty mobile number.
    WindowFixture(const QString& cloud_seed_file, const QString& mobile, const QString& password);
    ~WindowFixture();

    // True once the simulator answers and the page listens.
    bool is_ready() const { return ready; }
    // Chooses the simulated LAN's interface, "lo", in the window and in the page.
    void choose_loopback();
    void choose_interface(const QString& name);
    // Closes the window and starts it again on the same folder and simulator,
    // as a person starts the program after it stopped.
    void reopen_window();

    // The window's status line, local project tree and device link.
    QLineEdit* status() const;
    QTreeWidget* tree() const;
    ORB_CONN2DEVICE* link() const;

    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<SwitchSimulator> sim;
    std::unique_ptr<CloudSimulator> cloud;
    std::unique_ptr<ORB_Window> window;
    std::unique_ptr<PageDriver> page;

private:
    void prepare_folder(const QStringList& simulator_arguments);
    void open_window(const QString& mode);

    std::unique_ptr<QTemporaryDir> fleet_folder;
    bool ready = false;
};
