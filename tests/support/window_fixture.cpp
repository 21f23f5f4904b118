#include "window_fixture.h"

#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWebEngineView>

WindowFixture::WindowFixture(const QStringList& simulator_arguments)
    : work(std::make_unique<QTemporaryDir>())
{
    QDir::setCurrent(work->path());
    QFile::link(APP_SOURCE_DIR, work->filePath("app"));
    sim = std::make_unique<SwitchSimulator>(simulator_arguments);
    window = std::make_unique<ORB_Window>(ORB_Window::LOCAL_MODE, 1);
    window->resize(1400, 750);
    window->move(0, 0);
    window->show();
    page = std::make_unique<PageDriver>(window->findChild<QWebEngineView*>("webviewer")->page());
    ready = sim->is_ready() && QTest::qWaitForWindowExposed(window.get())
         && page->wait_for("window.orbReady === true")
         && page->wait_for("document.getElementById('nic-select').options.length > 0");
}

WindowFixture::~WindowFixture()
{
    page.reset();
    window.reset();
    sim.reset();
    QDir::setCurrent(QDir::tempPath());
}

bool WindowFixture::screenshot(const QString& name, int delay_ms)
{
    QDir().mkpath(SCREENSHOT_DIR);
    const QString file = QString(SCREENSHOT_DIR) + "/" + name + ".png";
    if (delay_ms > 0)
        return QProcess::startDetached(
            "sh", {"-c", QString("sleep %1; import -window root '%2'").arg(delay_ms / 1000.0).arg(file)});
    QTest::qWait(800);
    return window->screen()->grabWindow(0).save(file);
}
