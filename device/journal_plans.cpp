#include "journal_plans.h"

#include <QJsonArray>

const ORB_JournalPlan::Switch* ORB_JournalPlan::planned(const QString& sn) const
{
    for (const Switch& s : switches)
        if (s.sn == sn)
            return &s;
    return nullptr;
}

ORB_JournalPlan ORB_JournalPlans::started(const QJsonObject& entry)
{
    ORB_JournalPlan plan;
    plan.id = entry["plan"].toString();
    plan.time = entry["time"].toString();
    plan.nic = entry["nic"].toString();
    plan.undoes = entry["undoes"].toString();
    for (const QJsonValue& value : entry["switches"].toArray()) {
        const QJsonObject s = value.toObject();
        plan.switches.append({s["sn"].toString(), s["ip"].toString(), s["newIp"].toString(), s["mask"].toString(),
                              s["gateway"].toString(), s["dns"].toString(), s["active"].toBool(true)});
    }
    return plan;
}

QVector<ORB_JournalPlan> ORB_JournalPlans::read(const QVector<QJsonObject>& entries)
{
    QVector<ORB_JournalPlan> plans;
    QHash<QString, int> index;                     // plans by id
    QHash<QString, QPair<int, QString>> asked_by;  // asked changes of a plan by entry id: plan, switch
    for (const QJsonObject& entry : entries) {
        const QString kind = entry["kind"].toString(), phase = entry["phase"].toString();
        const QString plan_id = entry["plan"].toString();
        if (kind == "plan" && phase == "started" && !index.contains(plan_id)) {
            index.insert(plan_id, plans.size());
            plans.append(started(entry));
            continue;
        }
        if (phase != "asked" && asked_by.contains(entry["id"].toString())) {
            const auto [at, sn] = asked_by.take(entry["id"].toString());
            plans[at].unknown.remove(sn);
            continue;
        }
        if (!index.contains(plan_id))
            continue;
        ORB_JournalPlan& plan = plans[index.value(plan_id)];
        const QString sn = entry["sn"].toString();
        if (kind == "plan") {
            plan.ended = true; // "ended", "resumed" or "dismissed"
        } else if (kind == "planStep") {
            plan.reached.insert(sn);
        } else if (phase == "asked") {
            plan.reached.insert(sn);
            plan.unknown.insert(sn);
            if (kind == "address")
                plan.readdressed.insert(sn);
            asked_by.insert(entry["id"].toString(), {index.value(plan_id), sn});
        }
    }
    return plans;
}

const ORB_JournalPlan* ORB_JournalPlans::interrupted(const QVector<ORB_JournalPlan>& plans)
{
    return !plans.isEmpty() && !plans.last().ended ? &plans.last() : nullptr;
}

const ORB_JournalPlan* ORB_JournalPlans::find(const QVector<ORB_JournalPlan>& plans, const QString& id)
{
    for (const ORB_JournalPlan& plan : plans)
        if (plan.id == id)
            return &plan;
    return nullptr;
}
