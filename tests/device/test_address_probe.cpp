// Addresses checked on the wire against real hosts: a bridge holds the PC's
// address, and two further network namespaces hold one host each, one that
// answers pings and one that drops them and answers only address resolution.
// The switch simulator answers on the same bridge.

#include "device/address_check.h"
#include "device/address_plan_run.h"
#include "device/neighbour_table.h"
#include "device/orb_conn2device.h"
#include "tests/support/plan_text.h"
#include "tools/drive/second_hosts.h"
#include "tools/drive/switch_simulator.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString BRIDGE = "orbtbr";
const QString PINGS = "10.1.0.41", ARP_ONLY = "10.1.0.42";

} // namespace

class TestAddressProbe : public QObject
{
    Q_OBJECT

    std::unique_ptr<SecondHosts> hosts;

    static QHash<QString, ORB_AddressProbe::Result> probed(ORB_AddressProbe* probe, const QStringList& addresses,
                                                           qint64* ms = nullptr)
    {
        QVector<quint32> values;
        for (const QString& a : addresses)
            values.append(QHostAddress(a).toIPv4Address());
        QSignalSpy finished(probe, &ORB_AddressProbe::finished);
        QElapsedTimer clock;
        clock.start();
        probe->start(BRIDGE, values);
        if (finished.isEmpty())
            finished.wait(10000);
        if (ms)
            *ms = clock.elapsed();
        QHash<QString, ORB_AddressProbe::Result> found;
        for (const QString& a : addresses)
            found.insert(a, probe->results().value(QHostAddress(a).toIPv4Address()));
        return found;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(SecondHosts::allow_ping(true));
        hosts = std::make_unique<SecondHosts>(BRIDGE, "10.1.0.1/24", QStringList{PINGS + "/24", ARP_ONLY + "/24:silent"});
        QVERIFY(hosts->is_ready());
    }

    // Each address as the wire shows it; the subnet's own and its broadcast
    // address, and one outside the PC's subnets, are never asked.
    void whatAnswersAndWhatDoesNot()
    {
        ORB_AddressProbe probe;
        qint64 ms = 0;
        const QDateTime started = QDateTime::currentDateTime();
        const auto results = probed(&probe, {PINGS, ARP_ONLY, "10.1.0.43", "10.1.0.1", "10.1.0.0", "10.1.0.255",
                                             "10.2.0.5"}, &ms);
        QCOMPARE(probe.unavailable(), ORB_AddressProbe::Unavailable::None);
        QCOMPARE(int(results[PINGS].state), int(ORB_AddressProbe::State::InUse));
        QCOMPARE(results[PINGS].mac, hosts->mac(PINGS));
        QCOMPARE(int(results[ARP_ONLY].state), int(ORB_AddressProbe::State::InUse));
        QCOMPARE(results[ARP_ONLY].mac, hosts->mac(ARP_ONLY));
        QCOMPARE(int(results["10.1.0.43"].state), int(ORB_AddressProbe::State::Silent));
        QVERIFY(results["10.1.0.43"].at >= started.addMSecs(ORB_AddressProbe::ANSWER_WAIT_MS - 100));
        QCOMPARE(int(results["10.1.0.1"].state), int(ORB_AddressProbe::State::InUse)); // the PC's own
        for (const char* unasked : {"10.1.0.0", "10.1.0.255", "10.2.0.5"})
            QCOMPARE(int(results[unasked].state), int(ORB_AddressProbe::State::NotChecked));
        QVERIFY2(ms >= ORB_AddressProbe::ANSWER_WAIT_MS - 10 && ms < ORB_AddressProbe::ANSWER_WAIT_MS + 2000,
                 qPrintable(QString::number(ms)));
        // A probe of answering hosts alone ends as they answer.
        probed(&probe, {PINGS}, &ms);
        QVERIFY2(ms < ORB_AddressProbe::ANSWER_WAIT_MS, qPrintable(QString::number(ms)));
    }

    // Without an unprivileged ping socket nothing is asked, and nothing is
    // said to be free; the neighbour table alone is not taken for a probe.
    void noPingSocketSaysWhy()
    {
        QVERIFY(SecondHosts::allow_ping(false));
        const auto allow_again = qScopeGuard([] { SecondHosts::allow_ping(true); });
        ORB_AddressProbe probe;
        const auto results = probed(&probe, {PINGS, "10.1.0.43"});
        QCOMPARE(probe.unavailable(), ORB_AddressProbe::Unavailable::NoPing);
        QCOMPARE(int(results[PINGS].state), int(ORB_AddressProbe::State::NotChecked));
        QCOMPARE(int(results["10.1.0.43"].state), int(ORB_AddressProbe::State::NotChecked));
        QCOMPARE(ORB_AddressCheck::unavailable_text(probe.unavailable(), probe.unavailable_detail()),
                 QString("The addresses could not be checked: this system allows no unprivileged ping "
                         "(net.ipv4.ping_group_range)."));
    }

    // The PC at 10.1.0.1/24 reaches a plan's subnet only where its own covers it.
    void theSubnetsThePcReaches()
    {
        const QJsonArray subnets{QJsonObject{{"ip", "10.1.0.7"}, {"mask", "255.255.255.0"}},
                                 QJsonObject{{"ip", "10.1.0.200"}, {"mask", "255.255.255.128"}},
                                 QJsonObject{{"ip", "10.1.0.7"}, {"mask", "255.255.0.0"}},
                                 QJsonObject{{"ip", "10.2.0.7"}, {"mask", "255.255.255.0"}}};
        QCOMPARE(ORB_AddressCheck::unheld_subnets(BRIDGE, subnets), (QStringList{"10.1.0.0/16", "10.2.0.0/24"}));
    }

    // A change asked within the minute after a check takes its findings;
    // one that the probe could not make is asked again.
    void findingsLastAMinute()
    {
        ORB_CONN2DEVICE link;
        ORB_AddressCheck check(&link, nullptr);
        QElapsedTimer clock;
        clock.start();
        const ORB_AddressCheck::Findings first = check.check_before_change(BRIDGE, {"10.1.0.44", PINGS});
        QVERIFY2(clock.elapsed() >= ORB_AddressProbe::ANSWER_WAIT_MS - 10, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(int(first.by_address.value("10.1.0.44").state), int(ORB_AddressProbe::State::Silent));
        clock.restart();
        const ORB_AddressCheck::Findings again = check.check_before_change(BRIDGE, {"10.1.0.44", PINGS});
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(again.by_address.value("10.1.0.44").at, first.by_address.value("10.1.0.44").at);
        QCOMPARE(again.by_address.value(PINGS).mac, hosts->mac(PINGS));
    }

    // The plan's own check: an address another host answers at is refused
    // with that host's hardware address, and no switch is changed; a switch
    // that answers at its own address keeps it, however it writes its MAC.
    void aPlanIsRefusedWhereAnotherHostAnswers()
    {
        QTemporaryDir dir;
        const QJsonArray fleet{QJsonObject{{"sn", "S1"}, {"ip", "10.1.0.11"}, {"password", "admin123"}, {"active", true}},
                               QJsonObject{{"sn", "S2"}, {"ip", "10.1.0.12"}, {"password", "admin123"}, {"active", true}},
                               QJsonObject{{"sn", "KEEPS"}, {"ip", "10.1.0.13"}, {"password", "admin123"},
                                           {"active", true}, {"mac", hosts->mac(PINGS).toLower().replace(':', '-')}}};
        SwitchSimulator sim({"--fleet", SwitchSimulator::write_fleet(dir, fleet, 300), "--interface", BRIDGE});
        QVERIFY(sim.is_ready());
        qputenv("ORB_PLAN_RESTART_WAIT_MS", "1000");
        ORB_CONN2DEVICE link;
        ORB_AddressCheck check(&link, nullptr);
        ORB_AddressPlanRun run(&link, [] { return QHash<QString, QString>(); }, nullptr, nullptr);
        run.set_address_check(&check);
        QHash<QString, QString> outcome;
        connect(&link, &ORB_CONN2DEVICE::qt2html_device_udp, this, [&](const QJsonObject& m) {
            if (m["command"] == QString("planStep"))
                outcome[m["sn"].toString()] = m["state"].toString() + " " + m["reason"].toString() + " "
                    + m["other"].toString();
        });
        link.search_device(true, BRIDGE);
        QCOMPARE(link.last_search().size(), 3);

        run.run(plan_text({plan_step("S1", "10.1.0.11", ARP_ONLY), plan_step("S2", "10.1.0.12", "10.1.0.45")}, "admin123",
                          {}, BRIDGE));
        QCOMPARE(outcome.value("S1"), "failed inUse " + hosts->mac(ARP_ONLY));
        QCOMPARE(outcome.value("S2"), QString("failed planRefused "));
        QCOMPARE(sim.requests_with({"netcfg"}), 0);

        outcome.clear();
        run.run(plan_text({plan_step("S1", "10.1.0.11", "10.1.0.46"), plan_step("KEEPS", "10.1.0.13", PINGS)}, "admin123",
                          {}, BRIDGE));
        QCOMPARE(outcome.value("S1"), QString("confirmed  "));
        QCOMPARE(outcome.value("KEEPS"), QString("confirmed  "));
        qunsetenv("ORB_PLAN_RESTART_WAIT_MS");
    }

    void theNeighbourTableAsLinuxWritesIt()
    {
        const QByteArray table = "IP address       HW type     Flags       HW address            Mask     Device\n"
                                 "10.1.0.41        0x1         0x2         02:aa:bb:cc:dd:01     *        orbtbr\n"
                                 "10.1.0.42        0x1         0x0         00:00:00:00:00:00     *        orbtbr\n"
                                 "10.1.0.43        0x1         0x2         02:aa:bb:cc:dd:03     *        eth0\n"
                                 "10.1.0.44        0x1         0x6         02:aa:bb:cc:dd:04     *        orbtbr\n";
        const QHash<quint32, QString> hosts = ORB_NeighbourTable::parse(table, "orbtbr");
        QCOMPARE(hosts, (QHash<quint32, QString>{{QHostAddress("10.1.0.41").toIPv4Address(), "02:AA:BB:CC:DD:01"},
                                                 {QHostAddress("10.1.0.44").toIPv4Address(), "02:AA:BB:CC:DD:04"}}));
    }
};

QTEST_GUILESS_MAIN(TestAddressProbe)
#include "test_address_probe.moc"
