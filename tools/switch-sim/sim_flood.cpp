#include "sim_flood.h"

#include "device/device_datagram.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QUdpSocket>

namespace {

const QHostAddress GROUP(QStringLiteral("239.0.0.100"));
constexpr quint16 REPLY_PORT = 10088;

QByteArray reply_text(const QByteArray& syn, int i, bool tag_last)
{
    CJsonPtr reply(cJSON_CreateObject());
    cJSON_AddStringToObject(reply.get(), "cmd", "replyudp");
    if (!tag_last)
        cJSON_AddStringToObject(reply.get(), "syn", syn.constData());
    cJSON* data = cJSON_AddObjectToObject(reply.get(), "data");
    const QByteArray ip = QString("10.%1.%2.%3").arg(i >> 16 & 255).arg(i >> 8 & 255).arg(i & 255).toLatin1();
    const QByteArray sn = QString("FLOOD%1").arg(i, 6, 10, QChar('0')).toLatin1();
    const bool endless = i % 50 == 1;
    cJSON_AddStringToObject(data, "ip", ip.constData());
    cJSON_AddStringToObject(data, "sn", endless ? (sn + QByteArray(900, 'S')).constData() : sn.constData());
    cJSON_AddStringToObject(data, "mac", "02:46:4C:00:00:00");
    cJSON_AddStringToObject(data, "model", endless ? QByteArray(900, 'M').constData() : "GS2408P");
    cJSON_AddStringToObject(data, "Active_state", "active");
    cJSON_AddStringToObject(data, "V", "V1.0.0");
    if (i % 50 == 0)
        cJSON_AddStringToObject(data, "pad", QByteArray(6000, 'p').constData());
    if (tag_last)
        cJSON_AddStringToObject(reply.get(), "syn", syn.constData());
    return cjson_print(reply.get());
}

} // namespace

SimFlood::SimFlood(int switches, int seconds, bool tag_last)
    : switches(switches)
    , seconds(seconds)
    , tag_last(tag_last)
{
}

void SimFlood::answer(QUdpSocket* socket, const QByteArray& syn)
{
    // Made on first use, so the first replies go out at once.
    QVector<QByteArray> made(switches);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; clock.elapsed() < qint64(seconds) * 1000; i = (i + 1) % switches) {
        if (made[i].isEmpty())
            made[i] = ORB_DeviceDatagram::frame(reply_text(syn, i, tag_last));
        socket->writeDatagram(made[i], GROUP, REPLY_PORT);
    }
}
