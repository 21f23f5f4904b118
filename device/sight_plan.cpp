#include "sight_plan.h"

namespace {

const char* word_of(ORB_SightPlan::State state)
{
    switch (state) {
    case ORB_SightPlan::State::Waiting:
        return "waiting";
    case ORB_SightPlan::State::SettingUp:
        return "settingUp";
    case ORB_SightPlan::State::Done:
        return "done";
    default:
        return "failed";
    }
}

} // namespace

void ORB_SightPlan::arm(const QVector<Planned>& plan)
{
    disarm();
    for (const Planned& planned : plan) {
        if (entries.contains(planned.sn))
            continue;
        order.append(planned.sn);
        Entry entry;
        entry.planned = planned;
        entries.insert(planned.sn, entry);
    }
}

void ORB_SightPlan::disarm()
{
    order.clear();
    entries.clear();
}

QList<ORB_SightPlan::Due> ORB_SightPlan::take_round(const QJsonArray& devices, bool whole, QStringList* judged)
{
    QHash<QString, QJsonObject> listed;
    for (const QJsonValue& device : devices)
        listed.insert(device["sn"].toString(), device.toObject());
    QList<Due> due;
    for (const QString& sn : qAsConst(order)) {
        Entry& entry = entries[sn];
        const auto found = listed.constFind(sn);
        const QJsonObject* device = found == listed.constEnd() ? nullptr : &*found;
        if (entry.awaiting_round) {
            if (confirm(entry, device, whole) && judged)
                judged->append(sn);
        } else if (device && (*device)["ip"].toString() == entry.planned.new_ip) {
            entry.state = State::Done; // already where the plan wants it
        } else if (device && entry.state == State::Waiting) { // tried once, until retried
            entry.state = State::SettingUp;
            due.append({entry.planned, (*device)["ip"].toString(), (*device)["active"].toString() == "active"});
        }
    }
    return due;
}

bool ORB_SightPlan::confirm(Entry& entry, const QJsonObject* found, bool whole)
{
    if (found && (*found)["ip"].toString() == entry.planned.new_ip) {
        entry.state = State::Done;
    } else if (found) {
        entry.state = State::Failed;
        entry.reason = "elsewhere";
        entry.at = (*found)["ip"].toString();
    } else if (whole) {
        entry.state = State::Failed;
        entry.reason = "notFound";
    } else {
        return false; // the round lost answers: the next one tells
    }
    entry.awaiting_round = false;
    return true;
}

void ORB_SightPlan::settings_taken(const QString& sn)
{
    if (entries.contains(sn))
        entries[sn].awaiting_round = true;
}

void ORB_SightPlan::failed(const QString& sn, const QString& reason, const QString& other)
{
    if (!entries.contains(sn))
        return;
    Entry& entry = entries[sn];
    entry.state = State::Failed;
    entry.reason = reason;
    entry.other = other;
    entry.awaiting_round = false;
}

void ORB_SightPlan::retry_failed()
{
    for (Entry& entry : entries)
        if (entry.state == State::Failed) {
            entry.state = State::Waiting;
            entry.reason.clear();
            entry.at.clear();
            entry.other.clear();
        }
}

ORB_SightPlan::Counts ORB_SightPlan::counts() const
{
    Counts counts;
    for (const Entry& entry : entries) {
        counts.waiting += entry.state == State::Waiting;
        counts.setting_up += entry.state == State::SettingUp;
        counts.done += entry.state == State::Done;
        counts.failed += entry.state == State::Failed;
    }
    return counts;
}

bool ORB_SightPlan::all_done() const
{
    return is_armed() && counts().done == entries.size();
}

QJsonArray ORB_SightPlan::states() const
{
    QJsonArray states;
    for (const QString& sn : order)
        states.append(state_of(sn));
    return states;
}

QJsonObject ORB_SightPlan::state_of(const QString& sn) const
{
    const Entry entry = entries.value(sn);
    QJsonObject state{{"sn", sn}, {"newIp", entry.planned.new_ip}, {"state", word_of(entry.state)}};
    if (!entry.reason.isEmpty())
        state.insert("reason", entry.reason);
    if (!entry.at.isEmpty())
        state.insert("at", entry.at);
    if (!entry.other.isEmpty())
        state.insert("other", entry.other);
    return state;
}

QString ORB_SightPlan::state_word(const QString& sn) const
{
    return entries.contains(sn) ? word_of(entries[sn].state) : QString();
}
