#include "sim_fleet.h"

#include "sim_flood.h"

#include "device/device_datagram.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QTimer>
#include <QUdpSocket>

#include <cstdio>

namespace {

const QHostAddress GROUP(QStringLiteral("239.0.0.100"));
constexpr quint16 REQUEST_PORT = 10086;
constexpr quint16 REPLY_PORT = 10088;

} // namespace

SimFleet::SimFleet(QVector<SimSwitch> switches, Settings settings, QObject* parent)
    : QObject(parent)
    , switches(std::move(switches))
    , settings(settings)
    , socket(new QUdpSocket(this))
{
}

bool SimFleet::start(const QString& interface_name, QString* error)
{
    const QNetworkInterface nic = QNetworkInterface::interfaceFromName(interface_name);
    if (!nic.isValid()) {
        *error = "no interface " + interface_name;
        return false;
    }
    if (!socket->bind(QHostAddress::AnyIPv4, REQUEST_PORT, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)
        || !socket->joinMulticastGroup(GROUP, nic)) {
        *error = socket->errorString();
        return false;
    }
    socket->setMulticastInterface(nic);
    socket->setSocketOption(QAbstractSocket::MulticastTtlOption, 1);
    socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, 4 * 1024 * 1024);
    connect(socket, &QUdpSocket::readyRead, this, &SimFleet::read_requests);
    return true;
}

void SimFleet::read_requests()
{
    while (socket->hasPendingDatagrams())
        handle(socket->receiveDatagram().data());
}

void SimFleet::handle(const QByteArray& datagram)
{
    const CJsonPtr request = ORB_DeviceDatagram::open(datagram);
    if (settings.log_requests)
        log_request(datagram, request.get());
    const char* syn_text = cjson_string_member(request.get(), "syn");
    if (!syn_text)
        return;
    const QByteArray syn(syn_text);
    const cJSON* data = cJSON_GetObjectItemCaseSensitive(request.get(), "data");
    const bool search = QByteArray(cjson_string_member(data, "callcmd")) == "search";
    if (search && settings.flood_switches > 0) {
        SimFlood(settings.flood_switches, settings.flood_seconds, settings.flood_tag_last).answer(socket, syn);
        return;
    }

    // A burst is made first and sent after, so its answers follow each other
    // as closely as the socket allows.
    const bool burst = search && settings.search_spread_ms == 0;
    QVector<QByteArray> burst_replies;
    for (int i = 0; i < switches.size(); ++i) {
        SimSwitch& sw = switches[i];
        if (sw.muted || sw.mode == SimSwitch::Mode::Silent || sw.is_restarting())
            continue;
        if (sw.is_noise()) {
            send_later(sw.delay_ms, sw.noise_datagram(syn));
            continue;
        }
        if (!data)
            continue;
        const CJsonPtr answer = sw.answer(data);
        if (!answer)
            continue;
        const QByteArray reply = sw.reply_datagram(syn, answer.get());
        if (held.contains(i)) {
            held[i].append(reply);
            continue;
        }
        if (burst && sw.delay_ms == 0) {
            burst_replies.append(reply);
            continue;
        }
        const int spread = search ? int(qint64(settings.search_spread_ms) * i / switches.size()) : 0;
        send_later(sw.delay_ms + spread, reply, i);
    }
    for (const QByteArray& reply : burst_replies)
        socket->writeDatagram(reply, GROUP, REPLY_PORT);
}

void SimFleet::send_later(int delay_ms, const QByteArray& datagram, int changed_switch)
{
    // Precise: tests place answers on either side of the link's time-outs.
    QTimer::singleShot(delay_ms, Qt::PreciseTimer, this, [this, datagram, changed_switch] {
        socket->writeDatagram(datagram, GROUP, REPLY_PORT);
        // A switch takes new settings, or restarts, once its answer is out.
        if (changed_switch >= 0)
            switches[changed_switch].apply_pending_change(settings.restart_ms);
    });
}

SimSwitch* SimFleet::find(const QString& sn)
{
    for (SimSwitch& sw : switches)
        if (sw.sn == sn)
            return &sw;
    return nullptr;
}

QString SimFleet::control(const QString& command)
{
    const QString verb = command.section(' ', 0, 0);
    const QString rest = command.section(' ', 1).trimmed();
    if (verb == "add") {
        const CJsonPtr item(cJSON_Parse(rest.toUtf8().constData()));
        if (!cJSON_IsObject(item.get()))
            return "error: add takes a switch as a JSON object";
        const SimSwitch added = SimSwitch::from_json(item.get(), switches.size());
        if (find(added.sn))
            return "error: " + added.sn + " is there already";
        switches.append(added);
        return "ok";
    }
    SimSwitch* sw = find(rest.section(' ', 0, 0));
    if (!QStringList{"mute", "unmute", "move", "hold", "release"}.contains(verb))
        return "error: unknown command; use add, mute, unmute, move, hold or release";
    if (!sw)
        return "error: no switch " + rest.section(' ', 0, 0);
    const int index = int(sw - switches.data());
    if (verb == "hold") {
        if (!held.contains(index))
            held.insert(index, {});
    } else if (verb == "release") {
        return release(index);
    } else if (verb == "move") {
        const QString ip = rest.section(' ', 1, 1);
        if (ip.isEmpty())
            return "error: move takes a serial number and an address";
        sw->ip = ip;
    } else {
        sw->muted = verb == "mute";
    }
    return "ok";
}

QString SimFleet::release(int index)
{
    if (!held.contains(index))
        return "error: " + switches[index].sn + " is not held";
    for (const QByteArray& reply : held.take(index))
        send_later(0, reply, index);
    return "ok";
}

void SimFleet::log_request(const QByteArray& datagram, const cJSON* request) const
{
    QJsonObject line{{"ms", double(QDateTime::currentMSecsSinceEpoch())}, // when it came, for benchmarks
                     {"wire", QString::fromLatin1(datagram)},
                     {"text", request ? QString::fromUtf8(cjson_print(request)) : QString()}};
    std::fputs(QJsonDocument(line).toJson(QJsonDocument::Compact).append('\n').constData(), stdout);
    std::fflush(stdout);
}
