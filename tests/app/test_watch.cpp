// Watching a site being powered up, in the real window and page against the
// switch simulator, whose fleet changes between rounds through its control
// socket: the page marks switches added, muted and moved, and exports them
// marked; what the page asks during a round goes out once it ends; a plan
// runs with no round in it; the page's toggle and another interface start and
// stop watch in both places. The tree's side is tested without the page.

#include "device/orb_conn2device.h"
#include "tests/support/test_files.h"
#include "tools/drive/dialog_watcher.h"
#include "tools/drive/window_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

class TestWatch : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<WindowFixture> lan;
    std::unique_ptr<DialogWatcher> watcher;

    bool wait_for_round(int round)
    {
        return QTest::qWaitFor(
            [&] { return lan->status()->text().startsWith(QString("Watch round %1 ").arg(round)); }, 30000);
    }

    // "sn:class" of the page's rows, by serial number.
    QString page_marks()
    {
        return lan->page
            ->run("[...document.querySelectorAll('#device-table tbody tr[data-sn]')]"
                  ".map(r => r.dataset.sn + ':' + [...r.classList].filter(c => c.startsWith('watch-')).join())"
                  ".sort().join(' ')")
            .toString();
    }

    int logins_to(const QString& sn)
    {
        return lan->sim->requests_with({QString(R"("sn":"%1")").arg(sn), R"("command":"login")"});
    }

private slots:
    void initTestCase()
    {
        QJsonArray fleet;
        for (const char* sn : {"A", "B", "C"})
            fleet.append(QJsonObject{{"sn", sn}, {"ip", QString("10.0.0.%1").arg(fleet.size() + 1)},
                                     {"model", "GS2408P"}, {"password", "admin123"}});
        lan = std::make_unique<WindowFixture>(fleet, 1500);
        QVERIFY(lan->is_ready());
        watcher = std::make_unique<DialogWatcher>();
        lan->choose_loopback();
    }

    void aSiteBeingPoweredUp()
    {
        // The interval is set in the page and kept.
        lan->page->type("watch-interval", "5", "change");
        QVERIFY(QTest::qWaitFor([] { return QSettings("Settings.ini", QSettings::IniFormat).value("watch_interval") == 5; }));

        auto* button = lan->window->findChild<QPushButton*>("watch_button");
        button->click();
        QVERIFY(lan->page->wait_for("document.getElementById('watch-button').getAttribute('aria-pressed') === 'true'"));
        QVERIFY(wait_for_round(1));
        QCOMPARE(page_marks(), QString("A: B: C:"));

        // D comes up, B goes quiet, C restarts at another address.
        QVERIFY(lan->sim->tell(R"(add {"sn":"D","ip":"10.0.0.4","model":"GS2408P"})"));
        QVERIFY(lan->sim->tell("mute B"));
        QVERIFY(lan->sim->tell("move C 10.0.0.33"));
        QVERIFY(wait_for_round(2));
        QVERIFY(lan->page->wait_for("document.querySelector(\"tr[data-sn='B'] input\").disabled"));
        QCOMPARE(page_marks(), QString("A: B:watch-missing C:watch-changed D:watch-new"));
        // The export keeps the missing switch, marked; the next round waits for the file dialog.
        const QString csv = dir.filePath("watched.csv");
        watcher->file_paths.append(csv);
        lan->page->click("#export-list-button");
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(csv); }));
        const QStringList lines = QString::fromUtf8(read_file(csv)).split("\r\n", Qt::SkipEmptyParts);
        QVERIFY2(lines.value(0).endsWith(",watch")
                     && QRegularExpression(R"(^10\.0\.0\.2,B,.*,"missing, last seen \d\d:\d\d:\d\d"$)")
                            .match(lines.value(2))
                            .hasMatch()
                     && lines.value(3).endsWith(R"x(,"changed, was 10.0.0.3 (active)")x"),
                 qPrintable(lines.join('|')));

        // B is found again. A login the page asks for during the round goes
        // out once it ends.
        QVERIFY(lan->sim->tell("unmute B"));
        bool asked_in_round = false;
        QTimer during;
        connect(&during, &QTimer::timeout, this, [&] {
            if (!lan->link()->in_round())
                return; // the round runs its own loop: this timer looks from inside it
            during.stop();
            asked_in_round = true;
            lan->window->findChild<QWebEngineView*>("webviewer")->page()->runJavaScript(
                "window.loginAnswer = null; Bridge.request(JSON.stringify({callcmd: 'Security verification', "
                "command: 'login', sn: 'A', password: 'admin123'})).then(r => window.loginAnswer = r)");
        });
        during.start(50);
        QVERIFY(wait_for_round(3));
        QVERIFY(asked_in_round);
        QVERIFY(lan->page->wait_for("window.loginAnswer && window.loginAnswer.data.login === 'success'"));
        QCOMPARE(logins_to("A"), 1);

        // A round that loses every answer marks no switch missing, and says so.
        qputenv("ORB_READER_QUEUE_BYTES", "1");
        QVERIFY(wait_for_round(4));
        qunsetenv("ORB_READER_QUEUE_BYTES");
        QVERIFY(lan->page->wait_for("document.getElementById('discovery-notice').textContent.endsWith("
                                    "'4 answers were lost: the PC could not read them in time. Search again.')"));
        QCOMPARE(page_marks(), QString("A: B: C: D:"));

        // A plan started during watch runs with no round in it.
        lan->page->run("window.heard = []; Bridge.on('deviceMessage', m => window.heard.push(m.command));"
                       "Bridge.applyPlan({nic: 'lo', password: 'admin123', switches: [{sn: 'A', ip: '10.0.0.1', "
                       "newIp: '10.0.0.11', mask: '255.255.255.0', gateway: '10.0.0.254', dns: '10.0.0.254', "
                       "active: true}]})");
        QVERIFY(lan->page->wait_for("window.heard.includes('planDone')", 40000));
        const QStringList heard = lan->page->run("window.heard").toStringList();
        const int plan_start = heard.indexOf("planStep"), plan_end = heard.indexOf("planDone");
        QVERIFY(plan_start >= 0);
        QVERIFY2(!heard.mid(plan_start, plan_end - plan_start).contains("watchRound"), qPrintable(heard.join(' ')));

        // Another interface is another site: watch stops, in both places.
        auto* nic = lan->window->findChild<QComboBox*>("NIC_select_box");
        nic->addItem("eth-elsewhere");
        nic->setCurrentText("eth-elsewhere");
        QVERIFY(!button->isChecked());
        QCOMPARE(lan->status()->text(), QString("Watch stopped"));
        QVERIFY(lan->page->wait_for("document.getElementById('watch-button').getAttribute('aria-pressed') === 'false'"));
        QCOMPARE(watcher->boxes, QStringList()); // rounds are silent

        // Started in the page, stopped there by another interface; started
        // again, stopped by a new project.
        nic->setCurrentText("lo");
        lan->page->click("#watch-button");
        QVERIFY(QTest::qWaitFor([&] { return button->isChecked(); }));
        lan->page->run("const s = document.getElementById('nic-select'); s.dispatchEvent(new Event('change'))");
        QVERIFY(QTest::qWaitFor([&] { return !button->isChecked(); }));
        button->click();
        QVERIFY(button->isChecked());
        lan->window->findChild<QPushButton*>("new_project_button")->click();
        QVERIFY(!button->isChecked());
    }
};

QTEST_MAIN(TestWatch)
#include "test_watch.moc"
