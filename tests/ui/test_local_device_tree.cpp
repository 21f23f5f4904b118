// A person's path through the local device tree, against the switch simulator
// in the isolated namespace, on the offscreen platform: search, open switches,
// password prompts, activation, an address change, its restart. The tree is
// wired as the window wires it, without the page, so it also runs under the
// sanitizers.

#include "device/orb_conn2device.h"
#include "projects/orb_loader.h"
#include "tools/drive/second_hosts.h"
#include "tests/support/test_files.h"
#include "tests/support/tree_bench.h"
#include "tools/drive/dialog_watcher.h"
#include "tools/drive/switch_simulator.h"
#include "ui/local_device_tree.h"
#include "ui/local_projects.h"
#include "ui/orb_passwd_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestLocalDeviceTree : public QObject
{
    Q_OBJECT

    QTemporaryDir work;
    std::unique_ptr<SwitchSimulator> sim;
    std::unique_ptr<TreeBench> bench;
    QTreeWidget* tree = nullptr;
    std::unique_ptr<DialogWatcher> watcher;
    QList<QJsonObject> page_messages;
    QList<QUrl> browser;

    QTreeWidgetItem* switch_item(const QString& sn)
    {
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            if (tree->topLevelItem(i)->childCount() == 6 && tree->topLevelItem(i)->child(1)->text(1) == sn)
                return tree->topLevelItem(i);
        return nullptr;
    }

    void double_click(QTreeWidgetItem* item) { emit tree->itemDoubleClicked(item, 0); }

    int opened(const QString& sn) const
    {
        int count = 0;
        for (const QJsonObject& m : page_messages)
            count += m["command"] == QString("local_sw") && m["sn"] == sn;
        return count;
    }

    static QStringList recorded(const char* key)
    {
        return read_json_object("config/device_info.json")[key].toVariant().toStringList();
    }

    static ORB_Passwd_Window* open_prompt() { return shown_window<ORB_Passwd_Window>(); }

    void wait_opened(const QString& sn, int n) { QTRY_COMPARE_WITH_TIMEOUT(opened(sn), n, 10000); }

private slots:
    void initTestCase()
    {
        QDir::setCurrent(work.path());
        sim = std::make_unique<SwitchSimulator>(QStringList{"--restart-ms", "1000", "--control", work.filePath("sim-control")});
        QVERIFY(sim->is_ready());
        bench = std::make_unique<TreeBench>();
        tree = bench->tree;
        connect(bench->link, &ORB_CONN2DEVICE::qt2html_device_udp, this,
                [this](const QJsonObject& m) { page_messages.append(m); });
        QDesktopServices::setUrlHandler("http", this, "open_in_browser");
        watcher = std::make_unique<DialogWatcher>();
    }

    // Each test sees only the boxes it opened. All but the one that tests
    // the first search start from the fleet in the tree, expanded, also when
    // run on their own.
    void init()
    {
        if (QTest::currentTestFunction() != QByteArray("searchShowsTheFleet") && !switch_item("ORB24080001")) {
            bench->device_tree->search();
            tree->expandAll();
        }
        watcher->boxes.clear();
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("http");
        watcher.reset();
        bench.reset();
        sim.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    void open_in_browser(const QUrl& url) { browser.append(url); }

    void searchShowsTheFleet()
    {
        QSignalSpy status(bench->state, &QLineEdit::textChanged);
        bench->device_tree->search();
        QVERIFY(status.contains({QString("Searching for switches on lo …")}));
        QCOMPARE(tree->topLevelItemCount(), 7);
        QCOMPARE(watcher->boxes, QStringList{"Tips: device search complete"});
        QCOMPARE(bench->state->text(), QString("7 switches found"));

        // A new switch's red button comes with its rows.
        QVERIFY(!tree->itemWidget(switch_item("ORB24080005")->child(5), 1));
        tree->expandAll();
        for (const char* sn : {"ORB24080005", "ORB24100006"})
            QVERIFY2(qobject_cast<QPushButton*>(tree->itemWidget(switch_item(sn)->child(5), 1)), sn);
        QCOMPARE(switch_item("ORB24080001")->child(5)->text(1), QString("active"));
        QVERIFY(!tree->itemWidget(switch_item("ORB24080001")->child(5), 1));
    }

    // The password is asked once; the same switch twice in a row only warns.
    void doubleClickOpensASwitch()
    {
        QTreeWidgetItem* item = switch_item("ORB24080001");
        double_click(item);
        QTRY_VERIFY(open_prompt());
        ORB_Passwd_Window* prompt = open_prompt();
        QCOMPARE(prompt->windowTitle(), QString("security verify"));
        // An empty password does not close the prompt.
        prompt->findChild<QPushButton*>("confirm_button")->click();
        QVERIFY(prompt->isVisible());
        watcher->passwords = QStringList{"admin123"};
        wait_opened("ORB24080001", 1);
        QCOMPARE(recorded("sn"), QStringList{"ORB24080001"});
        QCOMPARE(recorded("passwd"), QStringList{"admin123"});
        QVERIFY(qobject_cast<QWidget*>(tree->itemWidget(item->child(0), 1))); // the IP editor
        QCOMPARE(item->child(5)->text(1), QString("active"));

        double_click(item);
        QCOMPARE(watcher->boxes, QStringList{"Tips: select last device, please select other device"});
        QCOMPARE(opened("ORB24080001"), 1);
        double_click(item);
        wait_opened("ORB24080001", 2);
        QCOMPARE(watcher->prompts.size(), 1); // the recorded password was used
    }

    void aWrongStoredPasswordIsForgotten()
    {
        ORB_Loader loader;
        QVERIFY(loader.add_device("192.168.1.12", "ORB24100002", "m", "GS2410M", "bad", "config/device_info.json"));
        double_click(switch_item("ORB24100002"));
        QCOMPARE(watcher->take_box(10000), QString("Tips: Password error,login device failed"));
        QVERIFY(!recorded("sn").contains("ORB24100002"));
        QCOMPARE(opened("ORB24100002"), 0);
    }

    void activatingThroughThePrompt()
    {
        QTreeWidgetItem* item = switch_item("ORB24080005");
        watcher->passwords = QStringList{"newpass1"};
        qobject_cast<QPushButton*>(tree->itemWidget(item->child(5), 1))->click();
        wait_opened("ORB24080005", 1);
        QCOMPARE(watcher->prompts.last(), QString("Device Active Code"));
        QVERIFY(watcher->boxes.contains("Tips: Device active success"));
        QVERIFY(recorded("sn").contains("ORB24080005"));
        QCOMPARE(item->child(5)->text(1), QString("active"));
        QVERIFY(!tree->itemWidget(item->child(5), 1));
    }

    // Invalid or unchanged addresses send nothing; a new one restarts the switch.
    void theAddressEditor()
    {
        QTreeWidgetItem* item = switch_item("ORB24080001");
        if (!tree->itemWidget(item->child(0), 1)) { // the editor comes with a login
            watcher->passwords = QStringList{"admin123"};
            double_click(item);
            wait_opened("ORB24080001", 1);
            watcher->boxes.clear();
        }
        QWidget* editor = tree->itemWidget(item->child(0), 1);
        auto* address = editor->findChild<QLineEdit*>();
        auto* modify = editor->findChild<QPushButton*>();
        const int opens = opened("ORB24080001");
        const auto refusal = [&](const char* text) {
            address->setText(text);
            modify->click();
            return watcher->take_box();
        };
        for (const char* text : {"10.1", "167772161", "010.0.0.1", "256.1.1.1", "1.2.3.4.5", "", "fe80::1"})
            QCOMPARE(refusal(text), QString("Invalid IP Address: Please enter a valid IPv4 address."));
        QCOMPARE(refusal("192.168.1.11"),
                 QString("Same IP Address: The new IP address is the same as the original IP address."));

        // Another host answers there (on loopback, the PC itself): the switch is not asked.
        QVERIFY(SecondHosts::allow_ping(true));
        QCOMPARE(refusal("127.0.0.5"), QString("Tips: The address was not changed: 127.0.0.5 is in use by a host that "
                                               "did not give its hardware address."));

        address->setText("192.168.1.111");
        QElapsedTimer restart;
        restart.start();
        modify->click();
        QVERIFY(!bench->window->isEnabled());
        QCOMPARE(item->child(0)->text(1), QString("192.168.1.111"));
        QVERIFY(watcher->boxes.contains("Tips: IP changed successfully,device rebooting....."));
        // The one address change sent: the refused addresses before it sent none.
        const QList<QJsonObject> changes = sim->asked("netcfg");
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes[0]["calldata"].toObject(), (QJsonObject{{"dhcp", 0}, {"ip", "192.168.1.111"}, {"gw", "192.168.1.1"},
                                                               {"mask", "255.255.255.0"}, {"dns", "114.114.114.114"}}));

        // The window waits out the restart (5 s, on a coarse timer that may
        // fire 5 % early), then logs in again.
        watcher->passwords = QStringList{"admin123"};
        QTRY_VERIFY_WITH_TIMEOUT(bench->window->isEnabled(), 12000);
        QVERIFY2(restart.elapsed() >= 4750, qPrintable(QString::number(restart.elapsed())));
        QVERIFY(watcher->boxes.contains("Device Restart: Device restart completed."));
        wait_opened("ORB24080001", opens + 1);
        QCOMPARE(watcher->prompts.last(), QString("security verify"));
    }

    // Enter confirms the password prompt; Escape sends nothing.
    void thePromptAnswersTheKeyboard()
    {
        const auto answer = [this](const char* sn, Qt::Key key) {
            double_click(switch_item(sn));
            QTRY_VERIFY(open_prompt());
            QApplication::setActiveWindow(open_prompt()); // as a window manager does
            QCOMPARE(open_prompt()->focusWidget(), open_prompt()->findChild<QLineEdit*>("passwd_text"));
            QTest::keyClicks(open_prompt()->focusWidget(), "admin123");
            QTest::keyClick(open_prompt()->focusWidget(), key);
            QTRY_VERIFY(!open_prompt());
        };
        const int requests = sim->requests_with({"ORB24260003"});
        answer("ORB24260003", Qt::Key_Escape);
        answer("ORB54280004", Qt::Key_Return);
        wait_opened("ORB54280004", 1);
        // What the first prompt sent would have come before the second's login.
        QCOMPARE(sim->requests_with({"ORB24260003"}), requests);
    }

    // A double-click is handled before it returns: what it opens is open then.
    void otherDoubleClicksDoNothing()
    {
        const int messages = page_messages.size();
        double_click(switch_item("ORB24100002")->child(2));
        double_click(switch_item("ORB24100002")->child(5));
        QVERIFY(!open_prompt());

        // A switch whose model is not in the table opens in the browser.
        double_click(switch_item("ORB90000007"));
        QCOMPARE(browser, QList<QUrl>{QUrl("http://192.168.1.17/index.html")});
        QCOMPARE(page_messages.size(), messages);
        // ... but only at a plain IPv4 address: the reply's "ip" is not trusted.
        for (const char* hostile : {"evil.example", "10.0.0.5@evil.example"}) {
            switch_item("ORB90000007")->child(0)->setText(1, hostile);
            double_click(switch_item("ORB90000007"));
            QVERIFY(watcher->take_box().contains(hostile));
        }
        QCOMPARE(browser.size(), 1);

        // Rows of a loaded project are no switches.
        QVERIFY(write_file("config/site.json", R"({"ip":["10.0.0.1"],"sn":["A"],"mac":["m"],"model":["GS2408P"],)"
                                               R"("passwd":[""],"active":["active"]})"));
        QVERIFY(bench->projects->load_local_project("site", true));
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("site"));
        double_click(tree->topLevelItem(0));
        double_click(tree->topLevelItem(0)->child(0));
        QVERIFY(watcher->boxes.isEmpty());
        QVERIFY(!open_prompt());
    }

    void aPromptOutlivingItsTreeDoesNothing()
    {
        // A prompt closed from its title bar is freed.
        double_click(switch_item("ORB24260003"));
        QTRY_VERIFY(open_prompt());
        QPointer<ORB_Passwd_Window> closed = open_prompt();
        closed->close();
        QTRY_VERIFY(!closed);

        // One answered after its tree was replaced sends nothing.
        double_click(switch_item("ORB24260003"));
        QTRY_VERIFY(open_prompt());
        bench->projects->new_project();
        const int requests = sim->requests_with({"ORB24260003"});
        const int opens = opened("ORB24260003");
        watcher->passwords = QStringList{"admin123"};
        QTRY_VERIFY(!open_prompt());
        // What the prompt sent would have come before this login's reply.
        bench->link->login_device("192.168.1.14", "admin123", "ORB54280004");
        QTRY_VERIFY(sim->requests_with({"ORB54280004"}) > 0);
        QCOMPARE(sim->requests_with({"ORB24260003"}), requests);
        QCOMPARE(opened("ORB24260003"), opens);
    }

    // A switch that answers with markup is shown as it typed it: in the
    // tree, and in the box that says it cannot be opened.
    void outsideTextStaysText()
    {
        const QString model = "<b>x</b><a href=\"http://127.0.0.1/\">y</a>";
        const QString added = "add {\"sn\":\"MARKUP\",\"ip\":\"<i>10.0.0.9</i>\",\"model\":\"<b>x</b>"
                              "<a href=\\\"http://127.0.0.1/\\\">y</a>\"}";
        QVERIFY(sim->tell(added));
        bench->device_tree->search();
        QTreeWidgetItem* item = switch_item("MARKUP");
        QVERIFY(item);
        QCOMPARE(item->child(3)->text(1), model);
        watcher->boxes.clear();
        watcher->box_formats.clear();
        const int browsed = browser.size();
        double_click(item);
        QCOMPARE(watcher->take_box(), QString("Tips: The switch reported no valid address (<i>10.0.0.9</i>): it cannot "
                                              "be opened in the browser."));
        QCOMPARE(watcher->box_formats, QList<Qt::TextFormat>{Qt::PlainText});
        QCOMPARE(browser.size(), browsed);
    }
};

QTEST_MAIN(TestLocalDeviceTree)
#include "test_local_device_tree.moc"
