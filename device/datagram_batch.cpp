#include "datagram_batch.h"

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

constexpr int BATCH = 64;
constexpr int MAX_DATAGRAM = ORB_DatagramBatch::MAX_DATAGRAM;

} // namespace

#ifdef Q_OS_LINUX
// Laid out once; a read only resets what the kernel writes back.
struct ORB_DatagramBatch::Buffers
{
    Buffers()
    {
        std::memset(headers, 0, sizeof headers);
        for (int i = 0; i < BATCH; ++i) {
            vectors[i] = {space.data() + i * MAX_DATAGRAM, MAX_DATAGRAM};
            headers[i].msg_hdr.msg_iov = &vectors[i];
            headers[i].msg_hdr.msg_iovlen = 1;
            headers[i].msg_hdr.msg_name = &senders[i];
        }
    }

    QByteArray space{BATCH * MAX_DATAGRAM, Qt::Uninitialized};
    mmsghdr headers[BATCH];
    iovec vectors[BATCH];
    sockaddr_in senders[BATCH];
};
#else
// Winsock and the BSDs read one datagram a call, through the socket itself.
struct ORB_DatagramBatch::Buffers
{
};
#endif

ORB_DatagramBatch::ORB_DatagramBatch()
    : buffers(std::make_unique<Buffers>())
{
}

ORB_DatagramBatch::~ORB_DatagramBatch() = default;

int ORB_DatagramBatch::read(qintptr descriptor, QVector<ORB_ReceivedDatagram>* into)
{
#ifdef Q_OS_LINUX
    Buffers& b = *buffers;
    for (mmsghdr& header : b.headers)
        header.msg_hdr.msg_namelen = sizeof(sockaddr_in);
    int count;
    do
        count = recvmmsg(int(descriptor), b.headers, BATCH, MSG_DONTWAIT, nullptr);
    while (count < 0 && errno == EINTR);
    for (int i = 0; i < count; ++i) {
        const sockaddr_in& from = b.senders[i];
        into->append({QByteArray(b.space.constData() + i * MAX_DATAGRAM, int(b.headers[i].msg_len)),
                      ntohl(from.sin_addr.s_addr), ntohs(from.sin_port)});
    }
    return qMax(count, 0);
#else
    Q_UNUSED(descriptor);
    Q_UNUSED(into);
    return 0;
#endif
}
