#include "ping_sockets.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/ip_icmp.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

// Echoes per socket: their replies fit the receive queue when all come at once.
constexpr int ECHOES_PER_SOCKET = 128;
constexpr int PING_RECEIVE_BUFFER_BYTES = 256 * 1024;
constexpr quint8 ECHO_REQUEST = 8, ECHO_REPLY = 0;

} // namespace

ORB_PingSockets::ORB_PingSockets(QObject* parent)
    : QObject(parent)
{
}

ORB_PingSockets::~ORB_PingSockets()
{
    close_all();
}

#ifdef Q_OS_UNIX

ORB_PingSockets::Opening ORB_PingSockets::open(int count, const QHostAddress& source, const QString& interface_name)
{
    close_all();
    const int sockets = qMax(1, (count + ECHOES_PER_SOCKET - 1) / ECHOES_PER_SOCKET);
    sockaddr_in from{};
    from.sin_family = AF_INET;
    from.sin_addr.s_addr = htonl(source.toIPv4Address());
    const QByteArray device = interface_name.toUtf8();
    for (int i = 0; i < sockets; ++i) {
        const int descriptor = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (descriptor < 0) {
            const int error = errno;
            close_all();
            // EACCES: the user's groups are outside net.ipv4.ping_group_range.
            return {error == EACCES || error == EPERM ? Failure::NotGranted : Failure::Other,
                    QString::fromLocal8Bit(std::strerror(error))};
        }
        descriptors.append(descriptor);
        const int buffer = PING_RECEIVE_BUFFER_BYTES;
        setsockopt(descriptor, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
#ifdef SO_BINDTODEVICE
        // Not granted to every user; the source address keeps the interface then.
        setsockopt(descriptor, SOL_SOCKET, SO_BINDTODEVICE, device.constData(), socklen_t(device.size()));
#endif
        if (::bind(descriptor, reinterpret_cast<const sockaddr*>(&from), sizeof from) != 0) {
            const QString error = QString::fromLocal8Bit(std::strerror(errno));
            close_all();
            return {Failure::Other, error};
        }
        auto* notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, descriptor] { read_replies(descriptor); });
        notifiers.append(notifier);
    }
    return {};
}

bool ORB_PingSockets::send(const QHostAddress& to)
{
    if (descriptors.isEmpty())
        return false;
    // The system fills in the identifier and the checksum of a ping socket's echo.
    icmphdr echo{};
    echo.type = ECHO_REQUEST;
    echo.un.echo.sequence = htons(++sequence);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(to.toIPv4Address());
    const int descriptor = descriptors[next_socket++ % descriptors.size()];
    return ::sendto(descriptor, &echo, sizeof echo, 0, reinterpret_cast<const sockaddr*>(&address), sizeof address)
        == ssize_t(sizeof echo);
}

void ORB_PingSockets::read_replies(int descriptor)
{
    char reply[1500];
    sockaddr_in from{};
    socklen_t from_size = sizeof from;
    ssize_t size;
    while ((size = ::recvfrom(descriptor, reply, sizeof reply, 0, reinterpret_cast<sockaddr*>(&from), &from_size))
           >= 0) {
        if (size >= ssize_t(sizeof(icmphdr)) && quint8(reply[0]) == ECHO_REPLY)
            emit replied(QHostAddress(ntohl(from.sin_addr.s_addr)));
        from_size = sizeof from;
    }
}

void ORB_PingSockets::close_all()
{
    qDeleteAll(notifiers);
    notifiers.clear();
    for (int descriptor : descriptors)
        ::close(descriptor);
    descriptors.clear();
}

#else

// Windows has no ping socket; IcmpSendEcho2 with an event, and SendARP, are
// its counterparts (see docs/architecture.md).
ORB_PingSockets::Opening ORB_PingSockets::open(int, const QHostAddress&, const QString&)
{
    return {Failure::OtherPlatform, QString()};
}

bool ORB_PingSockets::send(const QHostAddress&)
{
    return false;
}

void ORB_PingSockets::read_replies(int) {}

void ORB_PingSockets::close_all() {}

#endif
