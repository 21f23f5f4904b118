#include "neighbour_table.h"

#include "codec/ipv4_text.h"

#include <QFile>
#include <QList>

namespace {

constexpr char TABLE_PATH[] = "/proc/net/arp";
// ATF_COM: the entry is complete, the host answered.
constexpr int COMPLETE_FLAG = 0x2;
const QString NO_ADDRESS = "00:00:00:00:00:00";

} // namespace

bool ORB_NeighbourTable::readable()
{
#ifdef Q_OS_LINUX
    return QFile::exists(TABLE_PATH);
#else
    // Windows: GetIpNetTable2, or SendARP for one address (see docs/architecture.md).
    return false;
#endif
}

QHash<quint32, QString> ORB_NeighbourTable::resolved(const QString& interface_name)
{
    QFile table(TABLE_PATH);
    if (!readable() || !table.open(QIODevice::ReadOnly))
        return {};
    return parse(table.readAll(), interface_name);
}

// IP address  HW type  Flags  HW address  Mask  Device, one host a line
// after a heading.
QHash<quint32, QString> ORB_NeighbourTable::parse(const QByteArray& text, const QString& interface_name)
{
    QHash<quint32, QString> hosts;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].simplified().split(' ');
        if (fields.size() < 6 || QString::fromUtf8(fields[5]) != interface_name)
            continue;
        bool numeric = false;
        const int flags = fields[2].toInt(&numeric, 16);
        const std::optional<quint32> address = ORB_Ipv4Text::value(QString::fromUtf8(fields[0]));
        const QString hardware = QString::fromUtf8(fields[3]).toUpper();
        if (numeric && (flags & COMPLETE_FLAG) && address && hardware != NO_ADDRESS && hardware.size() == 17)
            hosts.insert(*address, hardware);
    }
    return hosts;
}

QString ORB_NeighbourTable::hardware_key(const QString& mac)
{
    QString key;
    for (const QChar c : mac) {
        const char l = c.toLatin1(); // 0 for anything outside Latin-1
        if ((l >= '0' && l <= '9') || (l >= 'a' && l <= 'f') || (l >= 'A' && l <= 'F'))
            key.append(c.toUpper());
    }
    return key;
}
