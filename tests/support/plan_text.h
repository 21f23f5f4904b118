#pragma once
// Address plans as the page sends them.

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// The switch now at ip is to take new_ip, mask 255.255.255.0, with gateway
// as gateway and DNS; without, the .1 of new_ip's /24.
QJsonObject plan_step(const QString& sn, const QString& ip, const QString& new_ip, bool active = true,
                      QString gateway = {});
// {"nic","password","switches"} and the extra members, as text.
QString plan_text(const QJsonArray& steps, const QString& password, const QJsonObject& extra = {},
                  const QString& nic = "lo");
