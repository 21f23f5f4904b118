#pragma once
// Other hosts on the test's LAN (tools/drive/second_hosts.sh): a bridge
// holding the PC's address, and hosts in namespaces of their own that answer
// pings, or only address resolution. Ended with the object. Also sets
// whether this namespace grants unprivileged ping sockets.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class SecondHosts
{
public:
    // hosts: "10.1.0.41/24", or "10.1.0.42/24:silent" for one that drops pings.
    SecondHosts(const QString& bridge, const QString& pc_address, const QStringList& hosts);
    ~SecondHosts();

    bool is_ready() const { return ready; }
    // The hardware address of the host at address, in upper case.
    QString mac(const QString& address) const { return macs.value(address); }

    // Whether the namespace lets any group open an unprivileged ping socket
    // (a fresh one lets none).
    static bool allow_ping(bool allowed);

private:
    QHash<QString, QString> macs;
    QList<qint64> processes;
    bool ready = false;
};
