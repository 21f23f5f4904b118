#include "datagram_reader.h"

#include "device/reader_priority.h"
#include "device/socket_drops.h"

#include <QDebug>
#include <QMutexLocker>
#include <QUdpSocket>

namespace {

// What the reader holds for the link, whatever a host sends: more than a
// site's answers to a search, a few megabytes of memory at most.
constexpr qint64 MAX_QUEUED_BYTES = 8 * 1024 * 1024;
// For tests: a smaller queue, to lose answers on purpose.
constexpr char QUEUE_LIMIT_VARIABLE[] = "ORB_READER_QUEUE_BYTES";
// A flood keeps the socket busy without end; the reader hands over in
// batches meanwhile.
constexpr int HANDOVER_BATCH = 64;
// A burst is over when nothing has come for this long.
constexpr qint64 BURST_GAP_NS = 2000000;
// How long after a search's request the reader looks for its first answer
// without pause; later answers wake it as any datagram does.
constexpr int BURST_AWAIT_MS = 500;
constexpr int MAX_READING_MS = 10;
constexpr int FLOOD_AFTER_MS = 500;

} // namespace

// Lives on the reader's thread, as the socket it owns.
class ORB_DatagramReader::Worker : public QObject
{
public:
    explicit Worker(ORB_DatagramReader* reader)
        : reader(reader)
    {
    }
    ~Worker() override { delete socket; }

    // Whether the system grants the reader a higher priority for bursts.
    void try_priority()
    {
        prompt = ORB_ReaderPriority::raise();
        ORB_ReaderPriority::lower();
        qDebug() << (prompt ? "datagram reader: runs above the ordinary threads while a burst may come"
                            : "datagram reader: runs as an ordinary thread (the system granted no higher priority)");
    }

    Opening open(quint16 port, const QHostAddress& group, const QNetworkInterface& nic, int buffer_bytes)
    {
        Opening opening;
        auto* opened = new QUdpSocket;
        if (!opened->bind(QHostAddress::AnyIPv4, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint))
            opening.failure = Opening::Failure::Bind;
        else if (!opened->joinMulticastGroup(group, nic))
            opening.failure = Opening::Failure::Join;
        if (opening.failure != Opening::Failure::None) {
            opening.error = opened->errorString();
            delete opened;
            return opening;
        }
        opened->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, buffer_bytes);
        opening.buffer_given = opened->socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt();
        opened->setMulticastInterface(nic);
        opened->setSocketOption(QAbstractSocket::MulticastTtlOption, 1);
        delete socket;
        socket = opened;
        connect(socket, &QUdpSocket::readyRead, this, &Worker::read_pending);
        reader->descriptor = socket->socketDescriptor();
        return opening;
    }

    void send(const QByteArray& datagram, const QHostAddress& to, quint16 port, bool burst_expected)
    {
        if (!socket)
            return;
        set_raised(burst_expected && prompt);
        if (socket->writeDatagram(datagram, to, port) < 0)
            set_error();
        else if (burst_expected && !prompt)
            await_burst();
    }

private:
    void set_raised(bool on)
    {
        if (on && !raised)
            raised = ORB_ReaderPriority::raise();
        else if (!on && raised) {
            ORB_ReaderPriority::lower();
            raised = false;
        }
    }

    void set_error()
    {
        QMutexLocker lock(&reader->queue_mutex);
        reader->last_error = socket->errorString();
    }

    // A site answers within milliseconds of the request, all at once, and the
    // system may take longer than the kernel's queue lasts to wake an ordinary
    // thread that sleeps (a few milliseconds, seen on a busy virtual machine).
    // So such a reader looks without pause for the first answer, for a while.
    void await_burst()
    {
        QElapsedTimer waited;
        waited.start();
        QVector<Datagram> read;
        while (waited.elapsed() < BURST_AWAIT_MS && reader->keeping) {
            if (read_some(&read)) {
                reader->hand_over(read);
                read_pending();
                return;
            }
            QThread::yieldCurrentThread();
        }
    }

    bool read_some(QVector<Datagram>* read)
    {
        return ORB_DatagramBatch::AVAILABLE ? batch.read(socket->socketDescriptor(), read) > 0 : read_one(read);
    }

    // Reads until the socket has been quiet for a while, or for at most
    // MAX_READING_MS, so that a flood holds up no request the link sends: in
    // batches where the system can, and last once through the socket itself,
    // which reads a datagram or finds none and so arms its notice of the next.
    void read_pending()
    {
        QVector<Datagram> read;
        QElapsedTimer reading, quiet;
        reading.start();
        quiet.start();
        // A burst's next answer is a few microseconds away: an ordinary
        // thread looks again until the burst is over, as being woken for each
        // could take longer than the kernel's queue lasts. A raised one is
        // woken at once, and leaves the processor to others between answers.
        bool got = true;
        while (reading.elapsed() < MAX_READING_MS) {
            got = read_some(&read);
            if (got)
                quiet.restart();
            if (read.size() >= HANDOVER_BATCH || (!got && !read.isEmpty()))
                reader->hand_over(read);
            if (!got && (raised || quiet.nsecsElapsed() >= BURST_GAP_NS))
                break;
        }
        read_one(&read);
        reader->hand_over(read);
        note_flood(!got);
    }

    // No site's burst lasts FLOOD_AFTER_MS: a reader that keeps reading past
    // it reads a flood, and does so as an ordinary thread.
    void note_flood(bool quiet_now)
    {
        if (quiet_now) {
            unquiet.invalidate();
            return;
        }
        if (!unquiet.isValid())
            unquiet.start();
        if (unquiet.elapsed() >= FLOOD_AFTER_MS)
            set_raised(false);
    }

    bool read_one(QVector<Datagram>* read)
    {
        QHostAddress sender;
        quint16 port = 0;
        const qint64 count = socket->readDatagram(scratch.data(), scratch.size(), &sender, &port);
        if (count < 0)
            return false;
        read->append({scratch.left(int(count)), sender.toIPv4Address(), port});
        return true;
    }

    ORB_DatagramReader* reader;
    QUdpSocket* socket = nullptr;
    bool prompt = false; // the system grants this thread a higher priority
    bool raised = false; // and it has it now
    QElapsedTimer unquiet;    // since when the reader has read without a quiet moment
    ORB_DatagramBatch batch;
    QByteArray scratch{ORB_DatagramBatch::MAX_DATAGRAM, Qt::Uninitialized};
};

ORB_DatagramReader::ORB_DatagramReader(QObject* parent)
    : QObject(parent)
    , worker(new Worker(this))
{
    clock.start();
    worker->moveToThread(&thread);
    connect(&thread, &QThread::finished, worker, [this] { delete worker; });
    thread.start();
    QMetaObject::invokeMethod(worker, [this] { worker->try_priority(); });
}

ORB_DatagramReader::~ORB_DatagramReader()
{
    keeping = false; // ends a look for a burst
    thread.quit();
    thread.wait();
}

ORB_DatagramReader::Opening ORB_DatagramReader::open(quint16 port, const QHostAddress& group,
                                                     const QNetworkInterface& nic, int buffer_bytes)
{
    Opening opening;
    QMetaObject::invokeMethod(
        worker, [&] { opening = worker->open(port, group, nic, buffer_bytes); }, Qt::BlockingQueuedConnection);
    if (opening.failure == Opening::Failure::None) {
        discard();
        const QByteArray limit = qgetenv(QUEUE_LIMIT_VARIABLE);
        QMutexLocker lock(&queue_mutex);
        queue_limit = limit.isEmpty() ? MAX_QUEUED_BYTES : limit.toLongLong();
    }
    return opening;
}

bool ORB_DatagramReader::has_queued() const
{
    QMutexLocker lock(&queue_mutex);
    return !queue.empty();
}

void ORB_DatagramReader::send(const QByteArray& datagram, const QHostAddress& to, quint16 port,
                              bool burst_expected)
{
    QMetaObject::invokeMethod(
        worker, [=] { worker->send(datagram, to, port, burst_expected); }, Qt::QueuedConnection);
}

QString ORB_DatagramReader::error_text() const
{
    QMutexLocker lock(&queue_mutex);
    return last_error;
}

void ORB_DatagramReader::hand_over(QVector<Datagram>& batch)
{
    if (batch.isEmpty())
        return;
    last_read_ns = clock.nsecsElapsed();
    bool tell = false;
    if (keeping) {
        QMutexLocker lock(&queue_mutex);
        for (Datagram& datagram : batch) {
            if (queued_bytes + datagram.bytes.size() > queue_limit) {
                ++turned_away;
                continue;
            }
            queued_bytes += datagram.bytes.size();
            queue.push_back(std::move(datagram));
        }
        tell = !told && !queue.empty();
        told = told || tell;
    }
    batch.clear();
    if (tell)
        emit arrived();
}

bool ORB_DatagramReader::take(Datagram* datagram)
{
    QMutexLocker lock(&queue_mutex);
    if (queue.empty()) {
        told = false;
        return false;
    }
    *datagram = std::move(queue.front());
    queue.pop_front();
    queued_bytes -= datagram->bytes.size();
    return true;
}

int ORB_DatagramReader::discard()
{
    QMutexLocker lock(&queue_mutex);
    const int count = int(queue.size());
    queue.clear();
    queued_bytes = 0;
    told = false;
    return count;
}

quint64 ORB_DatagramReader::lost() const
{
    return ORB_SocketDrops::count(descriptor).value_or(0) + turned_away;
}
