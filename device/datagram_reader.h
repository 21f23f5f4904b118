#pragma once
// The device link's socket, read on a thread of its own. A whole site answers
// a search at once: ten thousand answers within a tenth of a second, while
// the kernel's queue holds a few hundred of them. The GUI thread also serves
// the web view and the tree, and stays busy for longer than that queue lasts,
// so this thread does nothing but read: it moves each datagram from the
// kernel's queue to its own as it comes, and the link takes them from there
// at its own pace. Sending goes through the same thread, which owns the socket.

#include "device/datagram_batch.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QMutex>
#include <QNetworkInterface>
#include <QObject>
#include <QString>
#include <QThread>
#include <QVector>

#include <atomic>
#include <deque>

class QUdpSocket;

class ORB_DatagramReader : public QObject
{
    Q_OBJECT

public:
    using Datagram = ORB_ReceivedDatagram;
    struct Opening
    {
        enum class Failure { None, Bind, Join };
        Failure failure = Failure::None;
        QString error; // the system's words for the failure
        int buffer_given = 0; // the receive buffer the system granted, in bytes
    };

    explicit ORB_DatagramReader(QObject* parent = nullptr);
    ~ORB_DatagramReader() override;

    // Opens a socket on port, joined to group on nic, asking for a receive
    // buffer of buffer_bytes. The socket in use stays until the new one works.
    Opening open(quint16 port, const QHostAddress& group, const QNetworkInterface& nic, int buffer_bytes);
    bool is_open() const { return descriptor.load() >= 0; }
    // burst_expected: the request is a search, which a whole site answers at once.
    void send(const QByteArray& datagram, const QHostAddress& to, quint16 port, bool burst_expected = false);
    // The system's words for the last failure on the socket.
    QString error_text() const;

    // Whether what is read is kept for the link: only while a request waits.
    // Meanwhile the reader reads and forgets, so nothing stale piles up.
    void keep(bool on) { keeping = on; }
    // Whether a datagram waits to be taken.
    bool has_queued() const;
    // The oldest datagram read and not taken yet; false when there is none,
    // and the next datagram read then signals arrived() again.
    bool take(Datagram* datagram);
    // Forgets what was read and not taken, and says how many datagrams that was.
    int discard();
    // Datagrams lost so far on the socket in use: those the system dropped
    // from its full queue, where it tells (Linux), and those this reader's
    // own full queue turned away. Only differences between two readings mean
    // anything.
    quint64 lost() const;
    // Milliseconds since the reader last read a datagram: a burst is under
    // way while this stays small.
    qint64 ms_since_read() const { return (clock.nsecsElapsed() - last_read_ns) / 1000000; }

signals:
    // Datagrams wait to be taken. Emitted on the reader's thread once each
    // time the queue turns from empty to not empty.
    void arrived();

private:
    class Worker;

    void hand_over(QVector<Datagram>& batch);

    QThread thread;
    Worker* worker;
    mutable QMutex queue_mutex;
    std::deque<Datagram> queue;
    qint64 queued_bytes = 0;
    qint64 queue_limit = 0;
    bool told = false; // arrived() was emitted and the queue has not been emptied since
    std::atomic<bool> keeping{false};
    QElapsedTimer clock;
    std::atomic<qint64> last_read_ns{0};
    std::atomic<quint64> turned_away{0};
    std::atomic<qintptr> descriptor{-1};
    QString last_error;
};
