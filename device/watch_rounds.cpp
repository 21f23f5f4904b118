#include "watch_rounds.h"

#include <QSet>

void ORB_WatchRounds::reset()
{
    order.clear();
    known.clear();
    round_count = 0;
}

QString ORB_WatchRounds::address_and_state(const QJsonObject& device)
{
    return device["ip"].toString() + " (" + device["active"].toString() + ")";
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
            known.insert(sn, {device, first ? QString() : "new", QString(), time});
            counts.fresh += first ? 0 : 1;
            continue;
        }
        const QString before = address_and_state(it->device);
        const bool changed = before != address_and_state(device);
        *it = {device, changed ? "changed" : QString(), changed ? before : QString(), time};
        counts.changed += changed ? 1 : 0;
    }
    for (const QString& sn : order)
        if (!listed.contains(sn)) {
            known[sn].mark = "missing";
            known[sn].was.clear();
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
        if (k.mark == "changed")
            device["was"] = k.was;
        if (k.mark == "missing")
            device["lastSeen"] = k.last_seen.toString("HH:mm:ss");
        list.append(device);
    }
    return list;
}
