#include "window_fixture.h"

#include "cloud/orb_conn2server.h"
#include "device/orb_conn2device.h"

#include <QComboBox>
#include <QDir>
#include <QJsonDocument>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <QWebEngineView>

WindowFixture::WindowFixture(const QStringList& simulator_arguments)
{
    prepare_folder(simulator_arguments);
    open_window(ORB_Window::LOCAL_MODE);
}

WindowFixture::WindowFixture(const QJsonArray& fleet, int restart_ms, const QStringList& more)
{
    auto folder = std::make_unique<QTemporaryDir>();
    QStringList arguments{"--fleet", SwitchSimulator::write_fleet(*folder, fleet, restart_ms), "--control",
                          folder->filePath("sim-control")};
    prepare_folder(arguments + more);
    fleet_folder = std::move(folder);
    open_window(ORB_Window::LOCAL_MODE);
}

WindowFixture::WindowFixture(const QString& cloud_seed_file, const QString& mobile, const QString& password)
{
    prepare_folder({});
    const QString certs = work->filePath("certs");
    if (!CloudSimulator::make_certificates(certs))
        return;
    cloud = std::make_unique<CloudSimulator>(certs, cloud_seed_file);
    cloud->point_settings_here(certs);
    QJsonObject mode{{"mode", "cloud"}};
    if (!mobile.isEmpty()) {
        ORB_CONN2SERVER link;
        link.mobile_login(mobile, password);
        if (link.result_code() != 0)
            return;
        mode.insert("uid", link.uid());
        mode.insert("key", link.key());
    }
    open_window(QJsonDocument(mode).toJson(QJsonDocument::Compact));
}

void WindowFixture::prepare_folder(const QStringList& simulator_arguments)
{
    work = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(work->path());
    QFile::link(APP_SOURCE_DIR, work->filePath("app"));
    sim = std::make_unique<SwitchSimulator>(simulator_arguments);
}

void WindowFixture::open_window(const QString& mode)
{
    window = std::make_unique<ORB_Window>(mode, 1);
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
    cloud.reset();
    sim.reset();
    QDir::setCurrent(QDir::tempPath());
}

void WindowFixture::reopen_window()
{
    page.reset();
    window.reset();
    open_window(ORB_Window::LOCAL_MODE);
}

void WindowFixture::choose_loopback()
{
    choose_interface("lo");
}

void WindowFixture::choose_interface(const QString& name)
{
    window->findChild<QComboBox*>("NIC_select_box")->setCurrentText(name);
    page->run("document.getElementById('nic-select').value = " + PageDriver::quoted(name));
}

QLineEdit* WindowFixture::status() const
{
    return window->findChild<QLineEdit*>("state_text");
}

QTreeWidget* WindowFixture::tree() const
{
    return window->findChild<QTreeWidget*>("local_project_viewer");
}

ORB_CONN2DEVICE* WindowFixture::link() const
{
    return window->findChild<ORB_CONN2DEVICE*>();
}
