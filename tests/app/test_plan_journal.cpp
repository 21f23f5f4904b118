// A plan that survives the program's crash: a process running the program's
// device link, plan and journal is killed with SIGKILL in the middle of a
// plan of 20 switches; the window started again offers the plan, resumes it
// from the page, shows its history with the outcome it never heard, and
// undoes it from the history.

#include "device/address_plan_run.h"
#include "device/change_journal.h"
#include "device/journal_plans.h"
#include "device/orb_conn2device.h"
#include "tests/support/plan_text.h"
#include "tests/support/test_files.h"
#include "tools/drive/window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr char CHILD_FLAG[] = "--plan-until-killed";

QString sn_of(int i)
{
    return QString("NEW%1").arg(i, 2, 10, QChar('0'));
}

// NEW19 and NEW20 share an address, as switches fresh from the factory may.
QString old_ip(int i)
{
    return i >= 19 ? "192.168.5.99" : QString("192.168.5.%1").arg(10 + i);
}

QString new_ip(int i)
{
    return QString("192.168.6.%1").arg(10 + i);
}

// NEW09 answers 2.5 s late: the program is killed while it waits for its
// answer to the new settings, which it then never hears.
QString fleet_file(const QTemporaryDir& dir)
{
    QJsonArray fleet;
    for (int i = 1; i <= 20; ++i) {
        QJsonObject s{{"sn", sn_of(i)}, {"ip", old_ip(i)}, {"password", "admin123"}, {"model", "GS2408P"},
                      {"active", true}};
        if (i == 9)
            s.insert("delay_ms", 2500);
        fleet.append(s);
    }
    return SwitchSimulator::write_fleet(dir, fleet, 300);
}

QString twenty_switch_plan()
{
    QJsonArray steps;
    for (int i = 1; i <= 20; ++i)
        steps.append(plan_step(sn_of(i), old_ip(i), new_ip(i)));
    return plan_text(steps, "admin123");
}

// The killed process: the program's link, journal and plan, in the folder
// the window uses, with no project open.
int plan_until_killed(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ORB_CONN2DEVICE link;
    ORB_ChangeJournal journal(ORB_ChangeJournal::default_folder(), [] { return QString(); });
    link.set_journal(&journal);
    ORB_AddressPlanRun run(&link, [] { return QHash<QString, QString>(); }, &journal, nullptr);
    link.search_device(true, "lo");
    run.run(twenty_switch_plan());
    return app.exec(); // killed before
}

} // namespace

class TestPlanJournal : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    static QString journal_file() { return QDir::currentPath() + "/log/journal/no-project.jsonl"; }

    // Kills the plan's process once the journal shows 8 switches restarting
    // and NEW09 asked for its new settings.
    static bool killed_mid_plan()
    {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {CHILD_FLAG});
        if (!child.waitForStarted())
            return false;
        const auto far_enough = [] {
            const QStringList lines = QString::fromUtf8(read_file(journal_file())).split('\n');
            return lines.filter("\"state\":\"restarting\"").size() >= 8
                && !lines.filter("\"kind\":\"address\"").filter("\"phase\":\"asked\"").filter("NEW09").isEmpty();
        };
        const bool reached = QTest::qWaitFor(far_enough, 30000);
        child.kill();
        child.waitForFinished();
        // NEW09 takes the settings it was asked for 2.5 s after, and restarts.
        QTest::qWait(5000);
        return reached && QString::fromUtf8(read_file(journal_file())).split('\n').filter("restarting").size() == 8;
    }

    // Every switch as the page lists it: "NEW01 192.168.6.11".
    static QStringList listed(PageDriver* page)
    {
        return page->run("Discovery.devices().map((d) => d.sn + ' ' + d.ip).sort()").toStringList();
    }

    static QStringList all_at(QString (*address)(int))
    {
        QStringList list;
        for (int i = 1; i <= 20; ++i)
            list << sn_of(i) + " " + address(i);
        return list;
    }

    static bool run_plan_form(PageDriver* page, const QString& done_text)
    {
        if (!page->wait_for("!document.getElementById('plan-dialog').hidden", 20000))
            return false;
        page->type("plan-password", "admin123");
        page->click("#plan-apply");
        return page->wait_for("document.getElementById('plan-summary').textContent === " + PageDriver::quoted(done_text),
                              40000);
    }

private slots:
    void initTestCase() { qputenv("ORB_PLAN_RESTART_WAIT_MS", "1000"); }

    void aPlanKilledResumedAndUndone()
    {
        WindowFixture lan({"--fleet", fleet_file(dir)});
        QVERIFY(lan.is_ready());
        QVERIFY(killed_mid_plan());

        lan.reopen_window();
        QVERIFY(lan.is_ready());
        PageDriver* page = lan.page.get();
        QVERIFY(page->wait_for("!document.getElementById('interrupted-notice').hidden"));
        const QString at = page->text("#interrupted-text").section(' ', 4, 4);
        QCOMPARE(page->text("#interrupted-text"),
                 "The address plan of " + at + " on lo was interrupted after 9 of 20 switches.");
        QCOMPARE(lan.status()->text(),
                 "The address plan of " + at + " on lo was interrupted after 9 of 20 switches: the page offers to "
                 "resume it.");

        // Resume searches first: NEW09 took its address unheard, the first
        // eight too; the other eleven carry on.
        lan.choose_loopback();
        page->click("#interrupted-resume");
        QVERIFY(page->wait_for("document.getElementById('plan-linked').textContent === 'Resume: 11 of the plan\\'s 20 "
                               "switches do not answer at their planned address yet.'",
                               20000));
        QVERIFY(run_plan_form(page, "11 of 11 switches answer at their new addresses."));
        QCOMPARE(listed(page), all_at(new_ip));
        QVERIFY(page->wait_for("document.getElementById('interrupted-notice').hidden"));

        // The journal holds both plans, ended; NEW09's change has no outcome.
        ORB_ChangeJournal journal(ORB_ChangeJournal::default_folder(), [] { return QString(); });
        const QVector<ORB_JournalPlan> plans = ORB_JournalPlans::read(journal.read().entries);
        QCOMPARE(plans.size(), 2);
        QCOMPARE(plans[0].unknown, QSet<QString>{"NEW09"});
        QVERIFY(plans[0].ended && plans[1].ended);

        // The history shows it, newest first, in the page's words.
        page->click(".tab[data-view='history']");
        QVERIFY(page->wait_for("document.querySelector('#history-table tr.unknown') !== null"));
        QCOMPARE(page->run("[...document.querySelectorAll('#history-table tr.unknown')].map((r) => r.cells[1]"
                           ".textContent.split(' ')[0] + ': ' + r.cells[3].textContent)")
                     .toStringList(),
                 QStringList{"NEW09: unknown: the program stopped before it heard from the switch"});

        // Undo the resumed plan: its eleven switches go back, NEW19 and
        // NEW20 to the address they shared.
        page->run("const choice = document.getElementById('history-plan'); choice.selectedIndex = 1;"
                  "choice.dispatchEvent(new Event('change'))");
        QVERIFY(page->wait_for("!document.getElementById('history-undo').disabled"));
        page->click("#history-undo");
        QVERIFY(page->wait_for("document.getElementById('plan-linked').textContent.includes('192.168.5.99')", 20000));
        QCOMPARE(page->text("#plan-summary"), QString("11 addresses cannot be used; the plan cannot be applied as it is."));
        page->type("plan-gateway", "192.168.5.1");
        QVERIFY(run_plan_form(page, "11 of 11 switches answer at their new addresses."));
        QCOMPARE(listed(page), QStringList(all_at(new_ip).mid(0, 9) + all_at(old_ip).mid(9)));
        const QVector<ORB_JournalPlan> after = ORB_JournalPlans::read(journal.read().entries);
        QCOMPARE(after.size(), 3);
        QCOMPARE(after[2].undoes, plans[1].id);
    }
};

int main(int argc, char** argv)
{
    if (argc == 2 && QByteArray(argv[1]) == CHILD_FLAG)
        return plan_until_killed(argc, argv);
    QApplication app(argc, argv);
    TestPlanJournal test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_plan_journal.moc"
