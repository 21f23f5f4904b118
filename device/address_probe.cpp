#include "address_probe.h"

#include "device/neighbour_table.h"
#include "device/ping_sockets.h"

#include <QNetworkInterface>

namespace {

constexpr int TABLE_POLL_MS = 100;
// A second echo for a host whose first was lost on the way.
constexpr int SECOND_ECHO_MS = 1000;

ORB_AddressProbe::Unavailable unavailable_for(ORB_PingSockets::Failure failure)
{
    switch (failure) {
    case ORB_PingSockets::Failure::NotGranted:
        return ORB_AddressProbe::Unavailable::NoPing;
    case ORB_PingSockets::Failure::OtherPlatform:
        return ORB_AddressProbe::Unavailable::OtherPlatform;
    default:
        return ORB_AddressProbe::Unavailable::Failed;
    }
}

} // namespace

ORB_AddressProbe::ORB_AddressProbe(QObject* parent)
    : QObject(parent)
{
    table_poll.setInterval(TABLE_POLL_MS);
    second_echo.setSingleShot(true);
    wait.setSingleShot(true);
    wait.setTimerType(Qt::PreciseTimer); // a coarse timer may end the wait early
    connect(&table_poll, &QTimer::timeout, this, &ORB_AddressProbe::look_in_table);
    connect(&second_echo, &QTimer::timeout, this, &ORB_AddressProbe::echo_again);
    connect(&wait, &QTimer::timeout, this, &ORB_AddressProbe::end_wait);
}

ORB_AddressProbe::~ORB_AddressProbe()
{
    stop();
}

QList<QNetworkAddressEntry> ORB_AddressProbe::ipv4_subnets(const QString& interface_name, QString* hardware)
{
    QList<QNetworkAddressEntry> held;
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        if (nic.humanReadableName() != interface_name)
            continue;
        if (hardware)
            *hardware = nic.hardwareAddress().toUpper();
        for (const QNetworkAddressEntry& entry : nic.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                held.append(entry);
    }
    return held;
}

std::optional<QNetworkAddressEntry> ORB_AddressProbe::subnet_holding(const QList<QNetworkAddressEntry>& held,
                                                                     quint32 address)
{
    for (const QNetworkAddressEntry& entry : held) {
        const int prefix = entry.prefixLength();
        const quint32 mask = prefix <= 0 ? 0 : quint32(0xffffffffu << (32 - prefix));
        if ((address & mask) == (entry.ip().toIPv4Address() & mask))
            return entry;
    }
    return std::nullopt;
}

void ORB_AddressProbe::start(const QString& name, const QVector<quint32>& addresses)
{
    stop();
    interface_name = name;
    done.clear();
    why_not = Unavailable::None;
    why_not_detail.clear();
    QString own_hardware;
    const QList<QNetworkAddressEntry> held = ipv4_subnets(name, &own_hardware);
    if (held.isEmpty())
        why_not = Unavailable::NoInterface;
    const QDateTime now = QDateTime::currentDateTime();
    QHash<quint32, quint32> source_of;
    for (quint32 address : addresses) {
        const std::optional<QNetworkAddressEntry> subnet = subnet_holding(held, address);
        const int prefix = subnet ? subnet->prefixLength() : 32;
        const quint32 hosts = prefix >= 31 ? 0 : (1u << (32 - prefix)) - 1;
        if (!subnet || (hosts != 0 && ((address & hosts) == 0 || (address & hosts) == hosts)))
            done.insert(address, {State::NotChecked, QString(), now}); // elsewhere, or no host's address
        else if (address == subnet->ip().toIPv4Address())
            done.insert(address, {State::InUse, own_hardware, now}); // the PC's own
        else
            source_of.insert(address, subnet->ip().toIPv4Address());
    }
    if (source_of.isEmpty() || !send_echoes(source_of)) {
        for (auto it = source_of.begin(); it != source_of.end(); ++it)
            done.insert(it.key(), {State::NotChecked, QString(), now});
        QTimer::singleShot(0, this, &ORB_AddressProbe::finished);
        return;
    }
    pending = source_of;
    table_poll.start();
    second_echo.start(SECOND_ECHO_MS);
    wait.start(ANSWER_WAIT_MS);
    // Hosts resolved a moment ago are known at once, though never before
    // start() has returned.
    QTimer::singleShot(0, this, &ORB_AddressProbe::look_in_table);
}

bool ORB_AddressProbe::send_echoes(const QHash<quint32, quint32>& source_of)
{
    QHash<quint32, int> count_from;
    for (quint32 source : source_of)
        ++count_from[source];
    for (auto it = count_from.begin(); it != count_from.end(); ++it) {
        auto* ping = new ORB_PingSockets(this);
        const ORB_PingSockets::Opening opening = ping->open(it.value(), QHostAddress(it.key()), interface_name);
        if (opening.failure != ORB_PingSockets::Failure::None) {
            why_not = unavailable_for(opening.failure);
            why_not_detail = opening.error;
            delete ping;
            stop();
            return false;
        }
        connect(ping, &ORB_PingSockets::replied, this, [this](const QHostAddress& from) {
            const quint32 address = from.toIPv4Address();
            if (pending.contains(address))
                answered(address, ORB_NeighbourTable::resolved(interface_name).value(address));
        });
        sockets.insert(it.key(), ping);
    }
    echoed.clear();
    echo(source_of);
    return true;
}

void ORB_AddressProbe::echo(const QHash<quint32, quint32>& source_of)
{
    for (auto it = source_of.begin(); it != source_of.end(); ++it)
        if (sockets.value(it.value())->send(QHostAddress(it.key())))
            echoed.insert(it.key());
}

void ORB_AddressProbe::echo_again()
{
    echo(pending);
}

void ORB_AddressProbe::look_in_table()
{
    const QHash<quint32, QString> resolved = ORB_NeighbourTable::resolved(interface_name);
    for (auto it = resolved.begin(); it != resolved.end(); ++it)
        if (pending.contains(it.key()))
            answered(it.key(), it.value());
}

void ORB_AddressProbe::answered(quint32 address, const QString& mac)
{
    pending.remove(address);
    done.insert(address, {State::InUse, mac, QDateTime::currentDateTime()});
    finish_if_done();
}

void ORB_AddressProbe::end_wait()
{
    const QDateTime now = QDateTime::currentDateTime();
    for (auto it = pending.begin(); it != pending.end(); ++it)
        done.insert(it.key(), {echoed.contains(it.key()) ? State::Silent : State::NotChecked, QString(), now});
    pending.clear();
    finish_if_done();
}

void ORB_AddressProbe::finish_if_done()
{
    if (!pending.isEmpty())
        return;
    stop();
    emit finished();
}

void ORB_AddressProbe::stop()
{
    pending.clear();
    table_poll.stop();
    second_echo.stop();
    wait.stop();
    // Later: a reply being read may be what ended the probe.
    for (ORB_PingSockets* ping : qAsConst(sockets)) {
        ping->disconnect(this);
        ping->deleteLater();
    }
    sockets.clear();
}
