// The main window in the local mode: its layout, the files it writes at
// start, the tray menu and the language switch. Runs under Xvfb, in the
// isolated namespaces (the window holds a web view).

#include "device/orb_conn2device.h"
#include "shell/orb_window.h"
#include "tests/support/test_files.h"
#include "tools/drive/page_driver.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> work;

private slots:
    void init()
    {
        work = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(work->path());
        QFile::link(APP_SOURCE_DIR, work->filePath("app"));
    }

    // Each button of the project area is as wide as its text and its menu mark need.
    static bool project_buttons_show_their_text(QWidget* window)
    {
        if (!QTest::qWaitForWindowExposed(window))
            return false;
        for (const char* name : {"new_project_button", "open_project_button", "save_project_button",
                                 "delete_project_button", "delete_device_button"}) {
            const auto* button = window->findChild<QWidget*>(name);
            if (button->width() < button->sizeHint().width()) {
                qWarning("%s: %d of %d pixels", name, button->width(), button->sizeHint().width());
                return false;
            }
        }
        return true;
    }

    void cleanup()
    {
        QDir::setCurrent(QDir::tempPath());
        work.reset();
    }

    // The files of a start, the layout of the local mode, and the project
    // remembered in Settings.ini loaded with its passwords. Started from a
    // folder without the page, the view says where it looked.
    void startInTheLocalMode()
    {
        QVERIFY(QFile::remove("app"));
        QVERIFY(write_file("tips.txt", QByteArray(200, '.'))); // longer than the real text
        QDir().mkpath("config");
        QVERIFY(write_file("config/device_info.json", R"({"sn":["OLD"]})"));
        QVERIFY(write_file("config/site.json", R"({"ip":["10.0.0.1"],"sn":["A"],"mac":["m"],"model":["GS2408P"],)"
                                               R"("passwd":["ocLD"],"active":["active"]})"));
        QSettings("./Settings.ini", QSettings::IniFormat).setValue("filepath", "site");

        auto window = std::make_unique<ORB_Window>(ORB_Window::LOCAL_MODE, 1);
        window->show();
        QVERIFY(project_buttons_show_their_text(window.get()));
        QCOMPARE(read_file("tips.txt"), QByteArray("Please do not modify configuration file in config without "
                                                   "authorization! If you really want to modify configuration "
                                                   "please backup."));
        // The list the window starts with is empty, whatever it held before.
        QCOMPARE(QJsonDocument::fromJson(read_file("config/device_info.json")).object(),
                 QJsonDocument::fromJson(R"({"ip":[],"sn":[],"mac":[],"model":[],"passwd":[],"active":[]})").object());
        QVERIFY(QDir("log").exists());
        for (const char* hidden : {"function_area", "server_project_title", "server_function_area",
                                   "server_project_viewer"})
            QVERIFY2(!window->findChild<QWidget*>(hidden)->isVisible(), hidden);
        for (const char* shown : {"title_area", "local_search_select_nic_area", "search_button", "NIC_select_box",
                                  "local_project_title", "local_function_area", "new_project_button",
                                  "open_project_button", "save_project_button", "delete_project_button",
                                  "delete_device_button", "local_project_viewer", "webviewer", "state_area",
                                  "state_text"})
            QVERIFY2(window->findChild<QWidget*>(shown)->isVisible(), shown);
        const QTreeWidgetItem* project = window->findChild<QTreeWidget*>("local_project_viewer")->topLevelItem(0);
        QCOMPARE(project->text(0), QString("site"));
        QCOMPARE(project->child(0)->text(4), QString("abc"));
        PageDriver page(window->findChild<QWebEngineView*>("webviewer")->page());
        const QString missing = "not found: " + QDir::currentPath() + "/app/index.html";
        QVERIFY(page.wait_for(QString("document.body.innerText.includes(%1)").arg(PageDriver::quoted(missing))));
    }

    // Started in Chinese, the page learns it; the language menu switches the
    // window and the page, and is remembered; the tray menu opens and quits.
    void languagesAndTray()
    {
        auto window = std::make_unique<ORB_Window>(ORB_Window::LOCAL_MODE, 0);
        window->show();
        QVERIFY(project_buttons_show_their_text(window.get()));
        PageDriver page(window->findChild<QWebEngineView*>("webviewer")->page());
        QVERIFY(page.wait_for("window.orbReady === true"));
        QVERIFY(page.wait_for("document.documentElement.lang === 'zh-CN'"));
        QCOMPARE(page.text(".tab"), QString::fromUtf8("设备发现"));

        QSignalSpy messages(window->findChild<ORB_CONN2DEVICE*>(), &ORB_CONN2DEVICE::qt2html_device_udp);
        window->findChild<QLabel*>("usr_name_text")->setText("someone");
        QMenu* menu = window->findChild<QToolButton*>("language_button")->menu();
        menu->actions()[1]->trigger(); // "English"
        QCOMPARE(QSettings("./Settings.ini", QSettings::IniFormat).value("language").toInt(), 1);
        QCOMPARE(window->findChild<QPushButton*>("search_button")->text(), QString("Search"));
        QCOMPARE(messages.last()[0].toJsonObject(), (QJsonObject{{"command", "language"}, {"type", 1}}));

        menu->actions()[0]->trigger(); // "Chinese"
        QCOMPARE(QSettings("./Settings.ini", QSettings::IniFormat).value("language").toInt(), 0);
        QCOMPARE(window->findChild<QLabel*>("title_label")->text(), QString::fromUtf8("PC 管理系统"));
        QCOMPARE(window->findChild<QPushButton*>("search_button")->text(), QString::fromUtf8("搜索"));
        QCOMPARE(window->findChild<QLabel*>("usr_name_text")->text(), QString("someone"));
        QCOMPARE(messages.last()[0].toJsonObject(), (QJsonObject{{"command", "language"}, {"type", 0}}));

        const QList<QAction*> entries = window->findChild<QSystemTrayIcon*>()->contextMenu()->actions();
        window->showMinimized();
        entries.first()->trigger(); // "Open"
        QTRY_VERIFY(!window->isMinimized());
        entries.last()->trigger(); // "Quit"
        QTRY_VERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
