#pragma once
// Asks on one interface whether a host answers at each of a set of IPv4
// addresses: an ICMP echo, and the system's neighbour table, which also
// holds a host that drops pings but answers address resolution. Only
// addresses inside a subnet the PC holds on that interface are probed (others
// could leave by another route and find a host on another network), never a
// subnet's own or its broadcast address. Nothing blocks: the probe runs in
// the event loop and says when it is done.

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QNetworkAddressEntry>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

#include <optional>

class ORB_PingSockets;

class ORB_AddressProbe : public QObject
{
    Q_OBJECT

public:
    // An address is "no answer" this long after its first echo.
    static constexpr int ANSWER_WAIT_MS = 3000;

    enum class State { InUse, Silent, NotChecked };
    struct Result
    {
        State state = State::NotChecked;
        QString mac;   // InUse: what answered, when the system resolved it
        QDateTime at;  // when the answer came, or the wait ended
    };
    // Why nothing could be probed, as a word the page translates.
    enum class Unavailable { None, NoInterface, NoPing, OtherPlatform, Failed };

    explicit ORB_AddressProbe(QObject* parent = nullptr);
    ~ORB_AddressProbe() override;

    // Starts a probe; a running one ends first, unfinished.
    void start(const QString& interface_name, const QVector<quint32>& addresses);
    bool is_running() const { return !pending.isEmpty(); }
    QHash<quint32, Result> results() const { return done; }
    Unavailable unavailable() const { return why_not; }
    // The system's words for it, when it gave any.
    QString unavailable_detail() const { return why_not_detail; }

    // The subnet of the interface that holds address, as an entry of it
    // (the PC's own address and the prefix); none when it holds none.
    static std::optional<QNetworkAddressEntry> subnet_holding(const QList<QNetworkAddressEntry>& held,
                                                                quint32 address);
    static QList<QNetworkAddressEntry> ipv4_subnets(const QString& interface_name, QString* hardware = nullptr);

signals:
    void finished();

private:
    // Sends to each address from the PC's address in its subnet; false when
    // no ping socket could be had.
    bool send_echoes(const QHash<quint32, quint32>& source_of);
    void echo(const QHash<quint32, quint32>& source_of); // address → source, as pending
    void echo_again();
    void look_in_table();
    void answered(quint32 address, const QString& mac);
    void end_wait();
    void finish_if_done();
    void stop();

    QString interface_name;
    QHash<quint32, quint32> pending; // address → the PC's address in its subnet
    QSet<quint32> echoed;            // addresses an echo left for: silence from others says nothing
    QHash<quint32, Result> done;
    QHash<quint32, ORB_PingSockets*> sockets; // by the PC's address they send from
    QTimer table_poll, second_echo, wait;
    Unavailable why_not = Unavailable::None;
    QString why_not_detail;
};
