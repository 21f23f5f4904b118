// What the change journal adds to an address plan of 500 switches: the same
// plan on a fresh simulated fleet, once without the journal and once with it
// on the build folder's file system, half the switches new (activated, so
// two changes written down and synced before they go) and half logged in to.
// Prints the file system's type, each plan's time from Apply to its end (the
// switches' restart wait and the confirming search included, as a person
// waits for them), the number of syncs and their median and longest time.
//
// Run inside the isolated network: tools/isolated-lan.sh build/release/bench/bench_plan_journal

#include "device/address_plan_run.h"
#include "device/change_journal.h"
#include "device/orb_conn2device.h"
#include "tools/drive/switch_simulator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int SWITCHES = 500;

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

QString address(int network, int i)
{
    return QString("10.%1.%2.%3").arg(network).arg(i / 200).arg(10 + i % 200);
}

QJsonArray fleet()
{
    QJsonArray switches;
    for (int i = 0; i < SWITCHES; ++i)
        switches.append(QJsonObject{{"sn", QString("BENCH%1").arg(i, 4, 10, QChar('0'))}, {"ip", address(40, i)},
                                    {"password", i % 2 ? "admin123" : ""}, {"active", i % 2 == 1}});
    return switches;
}

QString plan()
{
    QJsonArray steps;
    const QJsonArray switches = fleet();
    for (int i = 0; i < SWITCHES; ++i)
        steps.append(QJsonObject{{"sn", switches[i]["sn"]}, {"ip", address(40, i)}, {"newIp", address(41, i)},
                                 {"mask", "255.255.0.0"}, {"gateway", "10.41.255.254"}, {"dns", "10.41.255.254"},
                                 {"active", switches[i]["active"]}});
    return QJsonDocument(QJsonObject{{"nic", "lo"}, {"password", "admin123"}, {"switches", steps}}).toJson();
}

// Seconds from the plan's start to its end, or -1 when it did not confirm every switch.
double timed_plan(const QString& fleet_file, ORB_ChangeJournal* journal)
{
    SwitchSimulator sim({"--fleet", fleet_file});
    if (!sim.is_ready())
        return -1;
    ORB_CONN2DEVICE link;
    link.set_journal(journal);
    ORB_AddressPlanRun run(&link, [] { return QHash<QString, QString>(); }, journal, nullptr);
    link.search_device(true, "lo");
    if (link.last_search().size() != SWITCHES)
        return -1;
    QElapsedTimer clock;
    clock.start();
    run.run(plan());
    const double seconds = clock.nsecsElapsed() / 1e9;
    const QString expected = QString("Address plan done: %1 of %1 switches answer at their new addresses.").arg(SWITCHES);
    return run.outcome_text() == expected ? seconds : -1;
}

QString file_system_type(const QString& path)
{
    QProcess stat;
    stat.start("stat", {"-f", "-c", "%T", path});
    stat.waitForFinished();
    return QString::fromUtf8(stat.readAllStandardOutput()).trimmed();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    QTemporaryDir work;
    const QString fleet_file = SwitchSimulator::write_fleet(work, fleet(), 2000, 1000);
    QTemporaryDir journal_folder(QCoreApplication::applicationDirPath() + "/journal-XXXXXX");
    ORB_ChangeJournal journal(journal_folder.path(), [] { return QString("bench"); });

    const double without = timed_plan(fleet_file, nullptr);
    const double with = timed_plan(fleet_file, &journal);
    QVector<qint64> syncs = journal.sync_times();
    std::sort(syncs.begin(), syncs.end());
    std::printf("file system of the journal: %s (%s)\n", qPrintable(file_system_type(journal_folder.path())),
                qPrintable(journal_folder.path()));
    std::printf("plan of %d switches without the journal: %8.2f s\n", SWITCHES, without);
    std::printf("plan of %d switches with the journal:    %8.2f s  (%+.1f %%)\n", SWITCHES, with,
                100.0 * (with - without) / without);
    if (!syncs.isEmpty())
        std::printf("syncs: %d, median %.2f ms, longest %.2f ms\n", int(syncs.size()), syncs[syncs.size() / 2] / 1000.0,
                    syncs.last() / 1000.0);
    return without < 0 || with < 0 ? 1 : 0;
}
