#pragma once
// The system's table of hosts on the local links that answered address
// resolution (ARP): a host that drops pings still answers it when the system
// asks on the way to sending a probe.

#include <QHash>
#include <QString>

class ORB_NeighbourTable
{
public:
    // Whether this system lets a program read the table.
    static bool readable();
    // The hardware addresses of the hosts resolved on the interface, by IPv4
    // address, in upper case ("00:11:22:33:44:55"). Hosts that did not
    // answer, and the entries being resolved, are not in it.
    static QHash<quint32, QString> resolved(const QString& interface_name);
    // The same, from the text of Linux's /proc/net/arp.
    static QHash<quint32, QString> parse(const QByteArray& text, const QString& interface_name);
    // A hardware address's hex digits in upper case, however it is written
    // ("00-11-22-33-44-55", "0011.2233.4455"), to compare two of them.
    static QString hardware_key(const QString& mac);
};
