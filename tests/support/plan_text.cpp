#include "plan_text.h"

#include <QJsonDocument>

QJsonObject plan_step(const QString& sn, const QString& ip, const QString& new_ip, bool active, QString gateway)
{
    if (gateway.isEmpty())
        gateway = new_ip.section('.', 0, 2) + ".1";
    return {{"sn", sn},           {"ip", ip},      {"newIp", new_ip}, {"mask", "255.255.255.0"},
            {"gateway", gateway}, {"dns", gateway}, {"active", active}};
}

QString plan_text(const QJsonArray& steps, const QString& password, const QJsonObject& extra, const QString& nic)
{
    QJsonObject plan = extra;
    plan.insert("nic", nic);
    plan.insert("password", password);
    plan.insert("switches", steps);
    return QString::fromUtf8(QJsonDocument(plan).toJson());
}
