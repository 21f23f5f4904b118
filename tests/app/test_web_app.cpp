// The HTML application in the program's real web view, with the real web
// channel, against the switch simulator in the isolated namespace.

#include "device/orb_conn2device.h"
#include "tools/drive/window_fixture.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestWebApp : public QObject
{
    Q_OBJECT

    QTemporaryDir control_dir;
    std::unique_ptr<WindowFixture> lan;
    PageDriver* page = nullptr;

    void open_switch(const QString& ip, const QString& sn)
    {
        emit lan->link()->qt2html_device_udp(QJsonObject{{"ip", ip}, {"sn", sn}, {"mac", "02:4F:52:00:00:11"},
                                                         {"model", "GS2408P"}, {"V", "V2.1.7"}, {"active", "active"},
                                                         {"pid", "0"}, {"command", "local_sw"}});
    }

    // The page's own search on the simulated LAN, once: it also opens the
    // link's socket that a switch's page asks through.
    void search()
    {
        if (page->text("#device-count") == "7 switches")
            return;
        page->run("document.getElementById('nic-select').value = 'lo'");
        page->click("#search-button");
        QVERIFY(page->wait_for("document.querySelectorAll('#device-table tbody tr').length === 7", 15000));
    }

private slots:
    void initTestCase()
    {
        lan = std::make_unique<WindowFixture>(QStringList{"--control", control_dir.filePath("sim-control")});
        QVERIFY(lan->is_ready());
        page = lan->page.get();
    }

    void searchFillsTheTable()
    {
        search();
        QCOMPARE(page->text("#device-count"), QString("7 switches"));
        QCOMPARE(page->text("#device-table tbody tr[data-sn='ORB24080005'] .badge.inactive"), QString("not activated"));
        // The GBK state of old firmware counts as not activated too.
        QCOMPARE(page->text("#device-table tbody tr[data-sn='ORB24100006'] .badge.inactive"), QString("not activated"));
        page->type("filter-input", "GS2410");
        QCOMPARE(page->run("document.querySelectorAll('#device-table tbody tr').length").toInt(), 2);
        QCOMPARE(page->text("#device-count"), QString("2 of 7 switches"));
        page->type("filter-input", "");
    }

    void switchViewPortsAndTimeout()
    {
        search();
        open_switch("192.168.1.11", "ORB24080001");
        QVERIFY(page->wait_for("document.getElementById('view-switch').classList.contains('active')"));
        QCOMPARE(page->text("#switch-title"), QString("192.168.1.11 · ORB24080001"));
        QVERIFY(page->wait_for("document.querySelectorAll('#sysinfo-panel .facts dd').length > 5"));
        QVERIFY(page->text("#sysinfo-panel .facts").contains("Lobby"));
        page->click("#ports-panel button");
        QVERIFY(page->wait_for("document.querySelectorAll('#ports-panel .port').length === 10"));
        QVERIFY(page->run("document.querySelectorAll('#ports-panel .port.up').length").toInt() > 0);

        open_switch("10.9.9.9", "GHOST");
        QVERIFY(page->wait_for("document.querySelector('#sysinfo-panel .progress.failed')", 10000));
        QCOMPARE(page->text("#sysinfo-panel .progress"), QString("The switch did not answer in time."));
    }

    // A switch that answers with markup is listed as it typed it.
    void outsideTextStaysText()
    {
        const QString model = "<b>x</b><a href=\"http://127.0.0.1/\">y</a>";
        const QString added = "add {\"sn\":\"MARKUP\",\"ip\":\"10.0.0.9\",\"model\":\"<b>x</b>"
                              "<a href=\\\"http://127.0.0.1/\\\">y</a>\"}";
        QVERIFY(lan->sim->tell(added));
        page->run("document.getElementById('nic-select').value = 'lo'");
        page->click("#search-button");
        QVERIFY(page->wait_for("document.querySelector(\"#device-table tr[data-sn='MARKUP']\")"));
        const QString cell = "#device-table tr[data-sn='MARKUP'] td:nth-child(5)";
        QCOMPARE(page->text(cell), model);
        QCOMPARE(page->run(QString("document.querySelector(%1).children.length").arg(PageDriver::quoted(cell))).toInt(),
                 0);
    }
};

QTEST_MAIN(TestWebApp)
#include "test_web_app.moc"
