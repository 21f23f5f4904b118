// The change journal: what a power loss or a full disk leaves of it, and the
// story it tells of a plan and of its undo, against the switch simulator.

#include "device/address_plan_run.h"
#include "device/change_journal.h"
#include "device/journal_plans.h"
#include "device/orb_conn2device.h"
#include "tests/support/plan_text.h"
#include "tests/support/scratch_filesystem.h"
#include "tests/support/test_files.h"
#include "tools/drive/switch_simulator.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QJsonObject sw(const QString& sn, const QString& ip, bool active = true)
{
    return {{"sn", sn}, {"ip", ip}, {"password", active ? "Typed-pass2" : ""}, {"model", "GS2408P"},
            {"active", active}};
}

bool append(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::Append) && file.write(bytes) == bytes.size();
}

// Each entry's kind and phase (or state), and its switch: "address asked S01".
QStringList story(const QVector<QJsonObject>& entries)
{
    QStringList lines;
    for (const QJsonObject& e : entries)
        lines << QString("%1 %2 %3").arg(e["kind"].toString(), e["phase"].toString() + e["state"].toString(),
                                        e["sn"].toString());
    return lines;
}

// Takes up every byte, the rest of the journal file's last page too: a line
// that fits there would still be written.
void fill_up(ScratchFilesystem* disk, const QString& journal_file)
{
    disk->fill();
    QFile file(journal_file);
    file.open(QIODevice::Append | QIODevice::Unbuffered);
    while (file.write("\n") == 1) {
    }
}

} // namespace

class TestChangeJournal : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // The simulated switches restart in half a second.
    void initTestCase() { qputenv("ORB_PLAN_RESTART_WAIT_MS", "1500"); }

    // A line cut by a power loss and a line of garbage are set aside whole;
    // what comes before and after them is read, and a new entry after a cut
    // line starts a line of its own.
    void linesALossLeaves()
    {
        const QString folder = dir.filePath("cut");
        ORB_ChangeJournal before(folder, [] { return QString("Depot"); });
        QVERIFY(before.note({{"kind", "plan"}, {"phase", "started"}, {"plan", "p1"}}));
        QVERIFY(!before.asked({{"kind", "address"}, {"sn", "S01"}, {"plan", "p1"}}).isEmpty());
        const QString path = before.file_for("Depot");
        QVERIFY(append(path, "not json at all\n{\"kind\":\"planStep\",\"sn\":\"S01\",\"state\":\"restarting\"}\n"
                             "{\"kind\":\"address\",\"phase\":\"ask"));
        const QByteArray cut = read_file(path);

        ORB_ChangeJournal after(folder, [] { return QString("Depot"); }); // the program started again
        ORB_JournalReading reading = after.read();
        QCOMPARE(reading.entries.size(), 3);
        QCOMPARE(reading.set_aside, 2);
        QVERIFY(after.note({{"kind", "plan"}, {"phase", "ended"}, {"plan", "p1"}}));
        QVERIFY2(read_file(path).startsWith(cut + "\n"), read_file(path).constData());
        reading = after.read();
        QCOMPARE(reading.set_aside, 2);
        QCOMPARE(story(reading.entries),
                 (QStringList{"plan started ", "address asked S01", "planStep restarting S01", "plan ended "}));
        QVERIFY(!reading.entries[1]["user"].toString().isEmpty());
        QCOMPARE(reading.entries[1]["host"].toString(), QSysInfo::machineHostName());
        QVERIFY(QDateTime::fromString(reading.entries[1]["time"].toString(), Qt::ISODateWithMs).isValid());
        QVERIFY(reading.entries[1]["time"].toString().contains(QRegularExpression("[+-]\\d\\d:\\d\\d$")));
        QCOMPARE(QFile(path).permissions() & 0x0077, QFileDevice::Permissions());
        QCOMPARE(ORB_JournalPlans::read(reading.entries.mid(0, 3)).first().unknown, QSet<QString>{"S01"});
    }

    // Past 8 MiB a new file starts; nothing is lost and reading goes across
    // both, oldest first. A renamed project takes its history along.
    void rollsOverAndFollowsARename()
    {
        const QString folder = dir.filePath("roll");
        QString project = "Site 1/2";
        ORB_ChangeJournal journal(folder, [&] { return project; });
        // Lines of its own up to 16 KiB short of the limit, then entries until it rolls.
        const QByteArray padding(8000, 'x');
        QByteArray lines;
        int written = 0;
        while (lines.size() < ORB_ChangeJournal::ROLL_BYTES - 16 * 1024)
            lines += "{\"kind\":\"request\",\"n\":" + QByteArray::number(++written) + ",\"pad\":\"" + padding + "\"}\n";
        QVERIFY(QDir().mkpath(QFileInfo(journal.file_for(project)).path()) && append(journal.file_for(project), lines));
        for (int more = 0; journal.files_for(project).size() < 2 || written % 10 != 0; ++more) {
            QVERIFY2(more < 100, "the journal did not roll over");
            QVERIFY(journal.note({{"kind", "request"}, {"n", ++written}, {"pad", QString(padding)}}));
        }
        const QStringList files = journal.files_for(project);
        QCOMPARE(files, (QStringList{journal.file_for(project) + ".1", journal.file_for(project)}));
        QVERIFY(QFileInfo(files[0]).size() <= ORB_ChangeJournal::ROLL_BYTES);
        const ORB_JournalReading reading = journal.read();
        QCOMPARE(reading.entries.size(), written);
        QCOMPARE(reading.entries.first()["n"].toInt(), 1);
        QCOMPARE(reading.entries.last()["n"].toInt(), written);

        journal.copy_history(project, "Site 3");
        project = "Site 3";
        QCOMPARE(journal.read().entries.size(), written);
        QVERIFY(journal.note({{"kind", "request"}, {"n", ++written}}));
        QCOMPARE(journal.read().entries.last()["n"].toInt(), written);
        project = "Site 1/2";
        QCOMPARE(journal.read().entries.size(), written - 1);
    }

    // A full disk: the asked entry is refused, so the change is not made; it
    // is said once, and what was written before stays readable.
    void aFullDisk()
    {
        ScratchFilesystem small(dir.filePath("full"), 64 * 1024);
        QVERIFY(small.is_mounted());
        ORB_ChangeJournal journal(small.path() + "/journal", [] { return QString(); });
        QSignalSpy said(&journal, &ORB_ChangeJournal::write_failed);
        QVERIFY(!journal.asked({{"kind", "activate"}, {"sn", "S01"}}).isEmpty());
        fill_up(&small, journal.file_for(QString()));
        QVERIFY(journal.asked({{"kind", "activate"}, {"sn", "S02"}}).isEmpty());
        QCOMPARE(journal.problem(), QString("No space left on device"));
        QVERIFY(!journal.note({{"kind", "planStep"}, {"sn", "S02"}}));
        QCOMPARE(QList<QVariantList>(said), QList<QVariantList>{{QString("No space left on device")}});
        QCOMPARE(story(journal.read().entries), QStringList{"activate asked S01"});
    }

    // A plan of ten switches and its undo, each step written down in order;
    // the page's own requests are written down without their members; no
    // password is anywhere in the journal.
    void aPlanAndItsUndo()
    {
        QJsonArray fleet{sw("S01", "10.8.0.21", false)};
        for (int i = 2; i <= 10; ++i) // S09 and S10 share an address
            fleet.append(sw(QString("S%1").arg(i, 2, 10, QChar('0')), QString("10.8.0.%1").arg(i < 9 ? 20 + i : 30)));
        SwitchSimulator sim({"--fleet", SwitchSimulator::write_fleet(dir, fleet, 500)});
        QVERIFY(sim.is_ready());
        ORB_CONN2DEVICE link;
        ORB_ChangeJournal journal(dir.filePath("plan"), [] { return QString("Depot"); });
        link.set_journal(&journal);
        ORB_AddressPlanRun run(&link, [] { return QHash<QString, QString>{{"S02", "Stored-pass3"}}; }, &journal,
                               nullptr);
        link.search_device(false, "lo");
        QCOMPARE(link.last_search().size(), 10);

        QJsonArray steps, back, again;
        for (const QJsonValue& s : fleet) {
            const QString sn = s["sn"].toString(), old_ip = s["ip"].toString();
            const QString new_ip = "10.8.1." + QString::number(20 + sn.mid(1).toInt());
            steps.append(plan_step(sn, old_ip, new_ip, s["active"].toBool()));
            back.append(plan_step(sn, new_ip, old_ip));
            again.append(plan_step(sn, old_ip, new_ip));
        }
        run.run(plan_text(steps, "Typed-pass2"));
        QCOMPARE(run.outcome_text(), QString("Address plan done: 10 of 10 switches answer at their new addresses."));
        link.html2qt_udp(R"({"callcmd":"Security verification","sn":"S03","password":"Page-pass4","command":"login"})",
                         "");

        QVector<ORB_JournalPlan> plans = ORB_JournalPlans::read(journal.read().entries);
        QCOMPARE(plans.size(), 1);
        run.run(plan_text(back, "Typed-pass2", {{"undoes", plans[0].id}}));
        QCOMPARE(run.outcome_text(), QString("Address plan done: 10 of 10 switches answer at their new addresses."));
        for (const QJsonValue& s : fleet)
            QCOMPARE(run.outcomes().value(s["sn"].toString())["state"].toString(), QString("confirmed"));

        const QVector<QJsonObject> entries = journal.read().entries;
        plans = ORB_JournalPlans::read(entries);
        QCOMPARE(plans.size(), 2);
        QCOMPARE(plans[1].undoes, plans[0].id);
        QVERIFY(plans[0].ended && plans[1].ended && plans[0].unknown.isEmpty());
        QVector<QJsonObject> s01, s03; // s03: the page's own request
        int asked = 0;
        for (const QJsonObject& e : entries) {
            asked += e["phase"] == "asked" ? 1 : 0;
            if (e["sn"] == "S01")
                s01 << e;
            if (e["sn"] == "S03" && e["kind"] == "request" && e["phase"] == "asked")
                s03 << e;
        }
        QCOMPARE(story(s01), (QStringList{"activate asked S01", "activate answered S01", "address asked S01",
                                          "address answered S01", "planStep restarting S01", "planStep confirmed S01",
                                          "address asked S01", "address answered S01", "planStep restarting S01",
                                          "planStep confirmed S01"}));
        QCOMPARE(journal.sync_times().size(), asked); // each asked entry reached the disk before its request
        QCOMPARE(s03.size(), 1);
        QCOMPARE(QStringList(s03[0].keys()), (QStringList{"callcmd", "host", "id", "kind", "mac", "nic", "phase", "sn",
                                                          "time", "user"}));
        QCOMPARE(s03[0]["mac"].toString(), link.last_search()[2].toObject()["mac"].toString());
        const QByteArray everything = read_file(journal.file_for("Depot"));
        for (const char* secret : {"Typed-pass2", "Stored-pass3", "Page-pass4", "password"})
            QVERIFY2(!everything.contains(secret), secret);

        // An undo gives only what its plan took.
        const int netcfg_before = sim.requests_with({"netcfg"});
        QSignalSpy told(&link, &ORB_CONN2DEVICE::qt2html_device_udp);
        run.run(plan_text({plan_step("S04", "10.8.0.24", "10.8.0.99")}, "Typed-pass2", {{"undoes", plans[0].id}}));
        QCOMPARE(told.first()[0].toJsonObject()["reason"].toString(), QString("notInUndonePlan"));
        QCOMPARE(sim.requests_with({"netcfg"}), netcfg_before);

        // The undo is undone in turn: every switch is back at its planned address.
        run.run(plan_text(again, "Typed-pass2", {{"undoes", plans[1].id}}));
        QCOMPARE(run.outcome_text(), QString("Address plan done: 10 of 10 switches answer at their new addresses."));
    }

    // A journal that cannot be written stops the plan before its next switch:
    // the switch whose change could not be written down is not changed.
    void aFailedWriteStopsThePlan()
    {
        const QJsonArray fleet{sw("T1", "10.9.0.21"), sw("T2", "10.9.0.22"), sw("T3", "10.9.0.23")};
        SwitchSimulator sim({"--fleet", SwitchSimulator::write_fleet(dir, fleet, 500)});
        QVERIFY(sim.is_ready());
        ScratchFilesystem small(dir.filePath("stop"), 64 * 1024);
        QVERIFY(small.is_mounted());
        ORB_CONN2DEVICE link;
        ORB_ChangeJournal journal(small.path(), [] { return QString(); });
        link.set_journal(&journal);
        ORB_AddressPlanRun run(&link, [] {
            return QHash<QString, QString>{{"T1", "wrong"}, {"T2", "Typed-pass2"}, {"T3", "Typed-pass2"}};
        }, &journal, nullptr);
        link.search_device(false, "lo");
        QList<QJsonObject> told;
        connect(&link, &ORB_CONN2DEVICE::qt2html_device_udp, this, [&](const QJsonObject& m) {
            told.append(m);
            if (m["sn"] == "T2" && m["state"] == "working")
                fill_up(&small, journal.file_for(QString()));
        });
        run.run(plan_text({plan_step("T1", "10.9.0.21", "10.9.1.21"), plan_step("T2", "10.9.0.22", "10.9.1.22"),
                           plan_step("T3", "10.9.0.23", "10.9.1.23")}, ""));
        QHash<QString, QString> reasons;
        for (const QJsonObject& m : told)
            if (m["command"] == "planStep")
                reasons.insert(m["sn"].toString(), m["reason"].toString());
        QCOMPARE(reasons, (QHash<QString, QString>{{"T1", "passwordRefused"}, {"T2", "notJournaled"},
                                                   {"T3", "notJournaled"}}));
        QCOMPARE(told.last()["journalProblem"].toString(), QString("No space left on device"));
        QCOMPARE(run.outcome_text(), QString("The address plan stopped after 2 of 3 switches: the journal cannot be "
                                             "written (No space left on device)."));
        QCOMPARE(sim.requests_with({"netcfg"}), 0);
        QCOMPARE(sim.requests_with({"T3"}), 0);
    }
};

QTEST_GUILESS_MAIN(TestChangeJournal)
#include "test_change_journal.moc"
