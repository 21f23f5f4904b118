// How many switches a search finds on a big site, and when it returns.
// For each fleet size, the switch simulator answers a search from every switch
// within one second; a listener thread notes when the first answer arrives.
// Prints, per size: found / present, and the time from the first answer to the
// search's return (the search collects for five seconds after it).
//
// Run inside the isolated network: tools/isolated-lan.sh build/release/bench/bench_search_scale

#include "device/orb_conn2device.h"
#include "tests/support/switch_simulator.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// Watches the reply port alongside the link and notes the first arrival
// after it is armed.
class FirstReplyWatch
{
public:
    FirstReplyWatch()
    {
        fd = socket(AF_INET, SOCK_DGRAM, 0);
        const int on = 1;
        setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(10088);
        address.sin_addr.s_addr = htonl(INADDR_ANY);
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ip_mreq group{};
        group.imr_multiaddr.s_addr = inet_addr("239.0.0.100");
        group.imr_interface.s_addr = htonl(INADDR_LOOPBACK);
        setsockopt(fd, IPPROTO_IP, IP_ADD_MEMBERSHIP, &group, sizeof group);
        const timeval tick{0, 20000};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tick, sizeof tick);
        thread = std::thread([this] { run(); });
    }

    ~FirstReplyWatch()
    {
        stop = true;
        thread.join();
        close(fd);
    }

    void arm()
    {
        seen = false;
        armed = true;
    }

    Clock::time_point first() const { return first_arrival; }

private:
    void run()
    {
        char buffer[65536];
        while (!stop) {
            if (recv(fd, buffer, sizeof buffer, 0) > 0 && armed && !seen) {
                first_arrival = Clock::now();
                seen = true;
            }
        }
    }

    int fd;
    std::thread thread;
    std::atomic<bool> stop{false}, armed{false}, seen{false};
    Clock::time_point first_arrival;
};

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

    std::printf("%8s %8s %8s %26s\n", "present", "found", "lost", "return after first reply");
    for (int count : {10, 250, 1000, 2000}) {
        SwitchSimulator sim({"--count", QString::number(count), "--spread-ms", "1000"});
        if (!sim.is_ready())
            return 1;
        found = -1;
        watch.arm();
        link.search_device(true, "lo");
        const double seconds = std::chrono::duration<double>(Clock::now() - watch.first()).count();
        std::printf("%8d %8d %8d %24.2f s\n", count, found, count - found, seconds);
        std::fflush(stdout);
    }
    return 0;
}
