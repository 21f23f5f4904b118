#include "site_rows.h"

#include "codec/ipv4_text.h"

#include <QSet>

#include <algorithm>
#include <limits>

namespace {

const char* const WATCH_KEYS[] = {"watch", "lastSeen", "wasIp", "wasActive"};

void add_plan_outcome(QJsonObject* row, const QHash<QString, QJsonObject>& plan_outcomes)
{
    const auto outcome = plan_outcomes.find((*row)["sn"].toString());
    if (outcome != plan_outcomes.end())
        row->insert("plan", *outcome);
}

QJsonObject row_of_project_switch(const ORB_DeviceRecord& record, const QHash<QString, QJsonObject>& plan_outcomes)
{
    QJsonObject row{{"ip", record.ip}, {"sn", record.sn}, {"mac", record.mac}, {"model", record.model}, {"V", ""},
                    {"active", record.active == "active"}, {"sharedWith", 0}, {"inProject", true}};
    add_plan_outcome(&row, plan_outcomes);
    return row;
}

bool is_missing(const QJsonObject& device)
{
    return device["watch"].toString() == "missing"; // not there, so on no address
}

// An address as a number to sort by; what is no address sorts after all.
quint64 address_order(const QString& ip)
{
    if (!ORB_Ipv4Text::is_valid(ip))
        return std::numeric_limits<quint64>::max();
    quint64 n = 0;
    for (const QString& part : ip.split('.'))
        n = n * 256 + part.toUInt();
    return n;
}

// A watch's mark as a file writes it.
QString watch_mark(const QJsonObject& row)
{
    const QString mark = row["watch"].toString();
    if (mark == "missing")
        return "missing, last seen " + row["lastSeen"].toString();
    if (mark == "changed")
        return "changed, was " + row["wasIp"].toString() + (row["wasActive"].toBool() ? " (active)" : " (not activated)");
    return mark;
}

bool watched(const QJsonArray& rows)
{
    return !rows.isEmpty() && rows.first().toObject().contains("watch");
}

} // namespace

QJsonArray ORB_SiteRows::rows(const QJsonArray& listed, const QVector<ORB_DeviceRecord>& project,
                              const QHash<QString, QJsonObject>& plan_outcomes, bool with_unseen)
{
    QSet<QString> in_project;
    for (const ORB_DeviceRecord& record : project)
        in_project.insert(record.sn);
    QVector<QJsonObject> devices;
    devices.reserve(listed.size());
    QHash<QString, int> switches_on;
    for (const QJsonValue& value : listed) {
        devices.append(value.toObject());
        if (!is_missing(devices.last()))
            ++switches_on[devices.last()["ip"].toString()];
    }

    QJsonArray rows;
    QSet<QString> shown;
    for (const QJsonObject& d : devices) {
        const QString sn = d["sn"].toString(), ip = d["ip"].toString();
        QJsonObject row{{"ip", ip},
                        {"sn", sn},
                        {"mac", d["mac"].toString()},
                        {"model", d["model"].toString()},
                        {"V", d["V"].toString()},
                        {"active", d["active"].toString() == "active"},
                        {"sharedWith", is_missing(d) ? 0 : switches_on.value(ip) - 1},
                        {"inProject", in_project.contains(sn)}};
        for (const char* key : WATCH_KEYS)
            if (d.contains(key))
                row.insert(key, d[key]);
        add_plan_outcome(&row, plan_outcomes);
        rows.append(row);
        shown.insert(sn);
    }
    if (!with_unseen)
        return rows;
    for (const ORB_DeviceRecord& record : project) {
        if (shown.contains(record.sn))
            continue;
        QJsonObject row = row_of_project_switch(record, plan_outcomes);
        row["notSeen"] = true;
        rows.append(row);
        shown.insert(record.sn);
    }
    return rows;
}

QJsonArray ORB_SiteRows::project_rows(const QVector<ORB_DeviceRecord>& project,
                                      const QHash<QString, QJsonObject>& plan_outcomes)
{
    QJsonArray rows;
    for (const ORB_DeviceRecord& record : project)
        rows.append(row_of_project_switch(record, plan_outcomes));
    return rows;
}

void ORB_SiteRows::sort_by_address(QJsonArray* rows)
{
    struct Keyed
    {
        quint64 address;
        QString sn;
        QJsonValue row;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(rows->size());
    for (const QJsonValue& value : *rows) {
        const QJsonObject row = value.toObject();
        keyed.push_back({address_order(row["ip"].toString()), row["sn"].toString(), value});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return a.address != b.address ? a.address < b.address : a.sn < b.sn;
    });
    QJsonArray sorted;
    for (const Keyed& k : keyed)
        sorted.append(k.row);
    *rows = sorted;
}

QStringList ORB_SiteRows::csv_header(const QJsonArray& rows)
{
    QStringList header = {"address", "serial number", "MAC", "model", "firmware", "state", "conflict", "local project"};
    if (watched(rows))
        header.append("watch");
    return header;
}

QList<QStringList> ORB_SiteRows::csv_rows(const QJsonArray& rows)
{
    const bool with_watch = watched(rows);
    QList<QStringList> table;
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        const int others = row["sharedWith"].toInt();
        table.append({row["ip"].toString(), row["sn"].toString(), row["mac"].toString(), row["model"].toString(),
                      row["V"].toString(), row["active"].toBool() ? "active" : "not activated",
                      others > 0 ? QString("address shared with %1 other switch(es)").arg(others) : QString(),
                      row["inProject"].toBool() ? "in project" : QString()});
        if (with_watch)
            table.last().append(watch_mark(row));
    }
    return table;
}
