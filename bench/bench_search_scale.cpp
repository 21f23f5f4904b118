// How many switches a search finds on a big site, and when it returns.
// For each fleet size, the switch simulator answers a search from every switch
// within one second. Prints, per size: found / present, and the time from the
// end of the collection window (five seconds after the first answer) to the
// search's return.
//
// Run inside the isolated network: tools/isolated-lan.sh build/release/bench/bench_search_scale

#include "bench/first_reply_watch.h"
#include "device/orb_conn2device.h"
#include "tools/drive/switch_simulator.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <cstdio>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    ORB_CONN2DEVICE link;
    int found = 0;
    QObject::connect(&link, &ORB_CONN2DEVICE::qt2html_udp,
                     [&](const QJsonObject& result) { found = result["device"].toArray().size(); });
    FirstReplyWatch watch;

    std::printf("%8s %8s %8s %28s\n", "present", "found", "lost", "return after the window");
    for (int count : {10, 1000, 2000, 5000, 10000}) {
        SwitchSimulator sim({"--count", QString::number(count), "--spread-ms", "1000"});
        if (!sim.is_ready())
            return 1;
        found = -1;
        watch.arm();
        link.search_device(true, "lo");
        std::printf("%8d %8d %8d %26.2f s\n", count, found, count - found, watch.seconds_after_window());
        std::fflush(stdout);
    }
    return 0;
}
