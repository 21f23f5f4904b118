// Watch in the device tree, without the page, against the switch simulator
// whose fleet changes between rounds through its control socket: switches
// added, muted, found again and moved are marked in place; a double-click
// during a round waits for its end; a round that loses every answer marks
// nothing missing; another interface or a stop during a round ends watch.

#include "device/orb_conn2device.h"
#include "tests/support/test_files.h"
#include "tests/support/tree_bench.h"
#include "tools/drive/dialog_watcher.h"
#include "tools/drive/switch_simulator.h"
#include "ui/orb_passwd_window.h"
#include "ui/search_watch.h"

#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

class TestWatchTree : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SwitchSimulator> sim;
    std::unique_ptr<TreeBench> bench;
    std::unique_ptr<DialogWatcher> watcher;

    bool wait_for_round(int round)
    {
        return QTest::qWaitFor(
            [&] { return bench->state->text().startsWith(QString("Watch round %1 ").arg(round)); }, 30000);
    }

    QString counts() const { return bench->state->text().section(": ", 1); }

    // "sn:tooltip" of the tree's switches, in their order.
    QStringList tree_marks()
    {
        QStringList marks;
        for (int i = 0; i < bench->tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = bench->tree->topLevelItem(i);
            marks.append(item->child(1)->text(1) + ":" + shown_tooltip(item->toolTip(0)));
        }
        return marks;
    }

    int logins_to(const QString& sn)
    {
        return sim->requests_with({QString(R"("sn":"%1")").arg(sn), R"("command":"login")"});
    }

private slots:
    void initTestCase()
    {
        QDir::setCurrent(dir.path());
        QJsonArray fleet;
        for (const char* sn : {"A", "B", "C"})
            fleet.append(QJsonObject{{"sn", sn}, {"ip", QString("10.0.0.%1").arg(fleet.size() + 1)},
                                     {"model", "GS2408P"}, {"password", "admin123"}});
        sim = std::make_unique<SwitchSimulator>(
            QStringList{"--fleet", SwitchSimulator::write_fleet(dir, fleet, 1500), "--control", dir.filePath("sim-control")});
        QVERIFY(sim->is_ready());
        bench = std::make_unique<TreeBench>();
        bench->watch->set_interval(5);
        watcher = std::make_unique<DialogWatcher>();
    }

    void cleanupTestCase()
    {
        watcher.reset();
        bench.reset();
        sim.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    void aSiteBeingPoweredUp()
    {
        bench->watch_button->click();
        QVERIFY(wait_for_round(1));

        // D comes up, B goes quiet, C restarts at another address.
        for (const char* change : {R"(add {"sn":"D","ip":"10.0.0.4","model":"GS2408P"})", "mute B", "move C 10.0.0.33"})
            QVERIFY(sim->tell(change));
        QVERIFY(wait_for_round(2));
        QCOMPARE(counts(), QString("3 found, 1 new, 1 missing, 1 changed"));
        const QStringList marks = tree_marks(); // rows keep their place, the new one last
        QCOMPARE(QStringList(marks.mid(2)),
                 (QStringList{"C:Changed: was 10.0.0.3 (active)", "D:New since the round before"}));
        QVERIFY2(marks[1].startsWith("B:Missing: last seen at "), qPrintable(marks[1]));

        // B is found again. A login asked for by a double-click during the
        // round goes out once it ends.
        QVERIFY(sim->tell("unmute B"));
        QString status_in_round;
        QTimer during;
        connect(&during, &QTimer::timeout, this, [&] {
            if (!bench->link->in_round())
                return; // the round runs its own loop: this timer looks from inside it
            during.stop();
            emit bench->tree->itemDoubleClicked(bench->tree->topLevelItem(0), 0);
            status_in_round = bench->state->text();
        });
        during.start(50);
        QVERIFY(wait_for_round(3));
        QCOMPARE(status_in_round, QString("The switch opens once this watch round has ended"));
        QVERIFY(QTest::qWaitFor([] { return shown_window<ORB_Passwd_Window>() != nullptr; }));
        watcher->passwords.append("admin123");
        QVERIFY(QTest::qWaitFor([&] { return logins_to("A") == 1; }));
        QCOMPARE(tree_marks()[1], QString("B:"));

        // A round that loses every answer marks no switch missing, and says so.
        qputenv("ORB_READER_QUEUE_BYTES", "1");
        QVERIFY(wait_for_round(4));
        qunsetenv("ORB_READER_QUEUE_BYTES");
        QCOMPARE(counts(), QString("0 found, 0 new, 0 missing, 0 changed; 4 answers were lost: the PC could not read "
                                   "them in time. Search again."));
        QCOMPARE(tree_marks(), QStringList({"A:", "B:", "C:", "D:"}));

        // Another interface is another site: watch stops.
        bench->interfaces->addItem("eth-elsewhere");
        bench->interfaces->setCurrentText("eth-elsewhere");
        QVERIFY(!bench->watch_button->isChecked());
        QCOMPARE(bench->state->text(), QString("Watch stopped"));
        QCOMPARE(watcher->boxes, QStringList()); // rounds are silent
    }

    // Stopped while a round runs: the round's progress takes the status line
    // meanwhile, and its end says again that watch stopped.
    void stoppedDuringARound()
    {
        bench->interfaces->setCurrentText("lo");
        const auto stop_in_round = connect(bench->link, &ORB_CONN2DEVICE::search_progress, this, [&] {
            if (bench->link->in_round() && bench->watch_button->isChecked())
                bench->watch_button->click();
        });
        bench->watch_button->click();
        QTRY_VERIFY_WITH_TIMEOUT(!bench->watch_button->isChecked() && !bench->link->in_round(), 15000);
        disconnect(stop_in_round);
        QCOMPARE(bench->state->text(), QString("Watch stopped"));
    }
};

QTEST_MAIN(TestWatchTree)
#include "test_watch_tree.moc"
