// A search while a host on the LAN floods it: tag-correct replies from 50,000
// made-up switches, sent as fast as the host can for 8 s, oversized and
// endless-field ones among them. Prints how long after its five-second window
// the search returned, how many switches it listed, left out and said lost,
// how much the process's memory grew (the peak during the search, less the
// memory before it), and the longest gap between the ticks of a 10 ms timer
// during the search: how long the window would not have answered.
//
// Run inside the isolated network: tools/isolated-lan.sh build/release/bench/bench_search_flood

#include "device/orb_conn2device.h"
#include "tools/drive/switch_simulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// A line of /proc/self/status in KiB.
long status_kib(const char* field)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpressionMatch m = QRegularExpression(QString(R"(%1:\s+(\d+) kB)").arg(field)).match(status.readAll());
    return m.hasMatch() ? m.captured(1).toLong() : -1;
}

// From now on the peak resident memory counts anew.
void reset_peak()
{
    QFile clear("/proc/self/clear_refs");
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    ORB_CONN2DEVICE link;
    int listed = -1;
    QObject::connect(&link, &ORB_CONN2DEVICE::qt2html_udp,
                     [&](const QJsonObject& result) { listed = result["device"].toArray().size(); });
    link.search_device(true, "lo"); // opens the socket, as the first search of a run does

    SwitchSimulator flood({"--count", "0", "--flood", "50000", "--flood-seconds", "8"});
    if (!flood.is_ready())
        return 1;
    QElapsedTimer tick_clock;
    qint64 last_tick = 0, longest_gap = 0;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longest_gap = qMax(longest_gap, tick_clock.elapsed() - last_tick);
        last_tick = tick_clock.elapsed();
    });
    const long before = status_kib("VmRSS");
    reset_peak();
    QElapsedTimer clock;
    clock.start();
    tick_clock.start();
    ticks.start(10);
    link.search_device(true, "lo");
    ticks.stop();
    const double after_window = (clock.elapsed() - 5000) / 1000.0;
    const long growth = status_kib("VmHWM") - before;
    std::printf("search returned %.2f s after its window; %d switches listed, %d replies left out, %d answers said "
                "lost; memory grew %.1f MiB at its peak; the longest gap between 10 ms ticks was %lld ms\n",
                after_window, listed, link.switches_left_out(), link.answers_lost(), growth / 1024.0, longest_gap);
    return 0;
}
