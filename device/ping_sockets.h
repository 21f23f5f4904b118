#pragma once
// ICMP echo requests through the system's unprivileged ping sockets, read as
// their replies come: nothing blocks, and hundreds may be in flight at once.
// Linux grants such sockets to the groups of net.ipv4.ping_group_range only;
// elsewhere, or where none is granted, open() says why and nothing is sent.

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QVector>

class QSocketNotifier;

class ORB_PingSockets : public QObject
{
    Q_OBJECT

public:
    explicit ORB_PingSockets(QObject* parent = nullptr);
    ~ORB_PingSockets() override;

    enum class Failure { None, NotGranted, OtherPlatform, Other };
    struct Opening
    {
        Failure failure = Failure::None;
        QString error; // the system's words, when it gave any
    };

    // Sockets for count echoes, sent from source (an address of the
    // interface that reaches the addresses probed) and, where the system
    // allows it, bound to that interface.
    Opening open(int count, const QHostAddress& source, const QString& interface_name);
    // One echo request; false when the system refused to send it.
    bool send(const QHostAddress& to);

signals:
    // An echo reply came from this address.
    void replied(QHostAddress from);

private:
    void read_replies(int descriptor);
    void close_all();

    QVector<int> descriptors;
    QVector<QSocketNotifier*> notifiers;
    int next_socket = 0;
    quint16 sequence = 0;
};
