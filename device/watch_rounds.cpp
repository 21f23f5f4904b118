#include "watch_rounds.h"

#include <algorithm>

ORB_WatchRounds::ORB_WatchRounds(int capacity)
    : most_kept(capacity)
{
}

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

ORB_WatchRounds::Counts ORB_WatchRounds::add_round(const QJsonArray& devices, const QDateTime& time, bool whole)
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
    mark_unlisted(listed, whole, counts);
    counts.forgotten = forget_missing();
    counts.missing -= counts.forgotten;
    return counts;
}

// What a round did not list is missing when the round heard every answer;
// otherwise it may have answered unheard, and only what was missing stays so.
void ORB_WatchRounds::mark_unlisted(const QSet<QString>& listed, bool whole, Counts& counts)
{
    for (const QString& sn : order) {
        if (listed.contains(sn))
            continue;
        Known& k = known[sn];
        if (whole || k.mark == "missing") {
            k.mark = "missing";
            ++counts.missing;
        } else {
            k.mark.clear();
        }
        k.before = QJsonObject();
    }
}

int ORB_WatchRounds::forget_missing()
{
    const int excess = known.size() - most_kept;
    if (excess <= 0)
        return 0;
    QVector<QPair<QDateTime, QString>> missing;
    for (const QString& sn : order)
        if (known[sn].mark == "missing")
            missing.append({known[sn].last_seen, sn});
    std::stable_sort(missing.begin(), missing.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QSet<QString> forgotten;
    for (int i = 0; i < qMin(excess, missing.size()); ++i) {
        forgotten.insert(missing[i].second);
        known.remove(missing[i].second);
    }
    order.erase(std::remove_if(order.begin(), order.end(), [&](const QString& sn) { return forgotten.contains(sn); }),
                order.end());
    return forgotten.size();
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
