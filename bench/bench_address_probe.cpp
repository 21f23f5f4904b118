// How long a plan's preview waits on the wire: 500 addresses, all but one
// where no host answers (the longest case: they wait out their time), on a
// bridge with the one other host, probed at once as the page asks; and the longest the event
// loop, which paints the window, went without running meanwhile. Once with
// the neighbour table cold, once again at once (the system still resolving
// the addresses it failed to reach).
//
// Run inside the isolated network: tools/isolated-lan.sh build/release/bench/bench_address_probe

#include "device/address_probe.h"
#include "tools/drive/second_hosts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QSignalSpy>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int ADDRESSES = 500;

struct Run
{
    qint64 ms = 0, longest_stall_ms = 0;
    int silent = 0, in_use = 0;
};

Run probe_once(const QVector<quint32>& addresses)
{
    ORB_AddressProbe probe;
    QSignalSpy finished(&probe, &ORB_AddressProbe::finished);
    QElapsedTimer clock;
    qint64 last_tick = 0;
    Run run;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        run.longest_stall_ms = qMax(run.longest_stall_ms, clock.elapsed() - last_tick);
        last_tick = clock.elapsed();
    });
    clock.start();
    ticks.start(5);
    probe.start("orbtbr", addresses);
    finished.wait(20000);
    run.ms = clock.elapsed();
    for (const ORB_AddressProbe::Result& result : probe.results()) {
        run.silent += result.state == ORB_AddressProbe::State::Silent;
        run.in_use += result.state == ORB_AddressProbe::State::InUse;
    }
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!SecondHosts::allow_ping(true)) {
        std::fprintf(stderr, "bench_address_probe: cannot allow ping sockets; run inside tools/isolated-lan.sh\n");
        return 1;
    }
    SecondHosts hosts("orbtbr", "10.3.0.1/22", {"10.3.3.200/22"});
    if (!hosts.is_ready())
        return 1;
    QVector<quint32> addresses;
    for (int i = 0; i < ADDRESSES - 1; ++i)
        addresses.append(QHostAddress("10.3.0.10").toIPv4Address() + quint32(i));
    addresses.append(QHostAddress("10.3.3.200").toIPv4Address());
    for (const char* pass : {"cold", "again"}) {
        const Run run = probe_once(addresses);
        std::printf("%-6s %d addresses: %lld ms, %d no answer, %d in use; longest event-loop stall %lld ms\n", pass,
                    ADDRESSES, static_cast<long long>(run.ms), run.silent, run.in_use,
                    static_cast<long long>(run.longest_stall_ms));
    }
    return 0;
}
