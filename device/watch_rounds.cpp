#include "watch_rounds.h"

#include <QSet>

void ORB_WatchRounds::reset()
{
    order.clear();
    known.clear();
    round_count = 0;
}

// Anything but "active" is a switch not activated, however it is spelt.
bool ORB_WatchRounds::same_address_and_state(const QJsonObject& a, const QJsonObject& b)
{
    return a["ip"] == b["ip"] && (a["active"] == QString("active")) == (b["active"] == QString("active"));
}

ORB_WatchRounds::Counts ORB_WatchRounds::add_round(const QJsonArray& devices, const QDateTime& time)
{
    const bool first = round_count++ == 0;
    Counts counts;
    QSet<QString> listed;
    for (const QJsonValue& value : devices) {
        const QJsonObject device = value.toObject();
        const QString sn = device["sn"].toString().isEmpty() ? "ip:" + device["ip"].toString() : device["sn"].toString();
        if (listed.contains(sn))
            continue; // the first answer wins, as in the list itself
        listed.insert(sn);
        ++counts.found;
        auto it = known.find(sn);
        if (it == known.end()) {
            order.append(sn);
            known.insert(sn, {device, first ? QString() : "new", QJsonObject(), time});
            counts.fresh += first ? 0 : 1;
            continue;
        }
        const bool changed = !same_address_and_state(it->device, device);
        *it = {device, changed ? "changed" : QString(), changed ? it->device : QJsonObject(), time};
        counts.changed += changed ? 1 : 0;
    }
    for (const QString& sn : order)
        if (!listed.contains(sn)) {
            known[sn].mark = "missing";
            known[sn].before = QJsonObject();
            ++counts.missing;
        }
    return counts;
}

QJsonArray ORB_WatchRounds::marked_list() const
{
    QJsonArray list;
    for (const QString& sn : order) {
        const Known& k = known[sn];
        QJsonObject device = k.device;
        device["watch"] = k.mark;
        if (k.mark == "changed") {
            device["wasIp"] = k.before["ip"];
            device["wasActive"] = k.before["active"] == QString("active");
        }
        if (k.mark == "missing")
            device["lastSeen"] = k.last_seen.toString("HH:mm:ss");
        list.append(device);
    }
    return list;
}
