#include "journal_page.h"

#include "device/change_journal.h"
#include "device/journal_plans.h"
#include "device/orb_conn2device.h"

#include <QDateTime>
#include <QJsonDocument>

namespace {

QString clock_time(const QString& time)
{
    return QDateTime::fromString(time, Qt::ISODateWithMs).toString("hh:mm");
}

QJsonArray planned_switches(const ORB_JournalPlan& plan)
{
    QJsonArray switches;
    for (const ORB_JournalPlan::Switch& s : plan.switches)
        switches.append(QJsonObject{{"sn", s.sn}, {"ip", s.ip}, {"newIp", s.new_ip}, {"mask", s.mask},
                                    {"gateway", s.gateway}, {"dns", s.dns}});
    return switches;
}

} // namespace

ORB_JournalPage::ORB_JournalPage(ORB_ChangeJournal* journal, ORB_CONN2DEVICE* device_link, QObject* parent)
    : QObject(parent)
    , journal(journal)
    , device_link(device_link)
{
}

void ORB_JournalPage::tell_history()
{
    const ORB_JournalReading reading = journal->read();
    QJsonArray entries;
    for (const QJsonObject& entry : reading.entries)
        entries.append(entry);
    device_link->tell_page({{"command", "history"},
                            {"entries", QString::fromUtf8(QJsonDocument(entries).toJson(QJsonDocument::Compact))},
                            {"setAside", reading.set_aside}});
}

QJsonObject ORB_JournalPage::interrupted_plan() const
{
    const QVector<ORB_JournalPlan> plans = ORB_JournalPlans::read(journal->read().entries);
    const ORB_JournalPlan* plan = ORB_JournalPlans::interrupted(plans);
    if (!plan)
        return {};
    QJsonArray unknown;
    for (const QString& sn : plan->unknown)
        unknown.append(sn);
    return {{"plan", plan->id},          {"time", clock_time(plan->time)}, {"nic", plan->nic},
            {"done", plan->reached.size()}, {"total", plan->switches.size()},  {"switches", planned_switches(*plan)},
            {"unknown", unknown},        {"text", interrupted_text(*plan)}};
}

void ORB_JournalPage::tell_interrupted()
{
    QJsonObject message = interrupted_plan();
    if (message.contains("text"))
        emit interrupted_found(message.take("text").toString());
    message.insert("command", "planInterrupted");
    device_link->tell_page(message);
}

QString ORB_JournalPage::interrupted_text(const ORB_JournalPlan& plan)
{
    return tr("The address plan of %1 on %2 was interrupted after %3 of %4 switches: the page offers to resume it.")
        .arg(clock_time(plan.time), plan.nic)
        .arg(plan.reached.size())
        .arg(plan.switches.size());
}

void ORB_JournalPage::dismiss(const QString& plan_id)
{
    journal->note({{"kind", "plan"}, {"phase", "dismissed"}, {"plan", plan_id}});
}
