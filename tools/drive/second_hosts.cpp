#include "second_hosts.h"

#include <QFile>
#include <QProcess>

#include <csignal>

SecondHosts::SecondHosts(const QString& bridge, const QString& pc_address, const QStringList& hosts)
{
    QProcess script;
    script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    script.start(QString(SECOND_HOSTS_SCRIPT), QStringList{bridge, pc_address} + hosts);
    if (!script.waitForFinished(20000) || script.exitCode() != 0)
        return;
    for (const QString& line : QString::fromUtf8(script.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(' ');
        if (fields.size() == 3) {
            macs.insert(fields[0], fields[1]);
            processes.append(fields[2].toLongLong());
        }
    }
    ready = processes.size() == hosts.size();
}

SecondHosts::~SecondHosts()
{
    for (qint64 pid : processes)
        ::kill(pid_t(pid), SIGKILL);
}

bool SecondHosts::allow_ping(bool allowed)
{
    QFile range("/proc/sys/net/ipv4/ping_group_range");
    return range.open(QIODevice::WriteOnly) && range.write(allowed ? "0 2147483647" : "1 0") > 0;
}
