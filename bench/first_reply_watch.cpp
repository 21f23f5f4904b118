#include "first_reply_watch.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

FirstReplyWatch::FirstReplyWatch()
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
    const int small = 4096; // what comes after the first answer is thrown away
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    const timeval tick{0, 20000};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tick, sizeof tick);
    thread = std::thread([this] { run(); });
}

FirstReplyWatch::~FirstReplyWatch()
{
    stop = true;
    thread.join();
    close(fd);
}

void FirstReplyWatch::arm()
{
    armed = true;
    seen = false;
}

double FirstReplyWatch::seconds_after_first() const
{
    return std::chrono::duration<double>(Clock::now() - first_arrival).count();
}

// Once the first answer is seen the watch reads no more: a thread reading
// every answer of a burst would take the processor from the program's reader.
void FirstReplyWatch::run()
{
    char buffer[65536];
    while (!stop) {
        if (seen) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            while (recv(fd, buffer, sizeof buffer, MSG_DONTWAIT) > 0) {
            }
            continue;
        }
        if (recv(fd, buffer, sizeof buffer, 0) > 0 && armed && !seen) {
            first_arrival = Clock::now();
            first_epoch_ms = std::chrono::duration<double, std::milli>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
            seen = true;
        }
    }
}
