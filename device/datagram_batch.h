#pragma once
// Reads many datagrams from a socket with one system call, where the system
// offers one (Linux: recvmmsg). A burst of answers then costs the reader a
// fraction of a call each, and it keeps ahead of a gigabit LAN's pace.

#include <QByteArray>
#include <QVector>

#include <memory>

struct ORB_ReceivedDatagram
{
    QByteArray bytes;
    quint32 sender_ipv4 = 0; // a number, not a QHostAddress: one allocation less a datagram
    quint16 sender_port = 0;
};

class ORB_DatagramBatch
{
public:
    static constexpr int MAX_DATAGRAM = 65536; // no UDP datagram over IPv4 is longer
#ifdef Q_OS_LINUX
    static constexpr bool AVAILABLE = true;
#else
    static constexpr bool AVAILABLE = false; // read one at a time through the socket
#endif

    ORB_DatagramBatch();
    ~ORB_DatagramBatch();

    // Appends what is pending on the non-blocking socket, up to a batch at a
    // time; returns how many datagrams it read (0: none pending, or not
    // AVAILABLE here).
    int read(qintptr descriptor, QVector<ORB_ReceivedDatagram>* into);

private:
    struct Buffers;
    std::unique_ptr<Buffers> buffers;
};
