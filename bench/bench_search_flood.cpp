// A search while a host on the LAN floods it: tag-correct replies from 50,000
// made-up switches for 8 s, oversized and endless-field ones among them.
// Prints how long after its five-second window the search returned, how many
// switches it listed and left out, and how much the process's memory grew.
//
// Run inside the isolated network: tools/isolated-lan.sh build/release/bench/bench_search_flood

#include "device/orb_conn2device.h"
#include "tools/drive/switch_simulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>

#include <cstdio>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// Resident memory in KiB, from /proc.
long resident_kib()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpressionMatch m = QRegularExpression(R"(VmRSS:\s+(\d+) kB)").match(status.readAll());
    return m.hasMatch() ? m.captured(1).toLong() : -1;
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
    const long before = resident_kib();
    QElapsedTimer clock;
    clock.start();
    link.search_device(true, "lo");
    const double after_window = (clock.elapsed() - 5000) / 1000.0;
    const long growth = resident_kib() - before;
    std::printf("search returned %.2f s after its window; %d switches listed, %d replies left out; memory grew "
                "%.1f MiB\n",
                after_window, listed, link.switches_left_out(), growth / 1024.0);
    return 0;
}
