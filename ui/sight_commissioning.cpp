#include "sight_commissioning.h"

#include "codec/cjson_util.h"
#include "device/address_plan_check.h"
#include "device/address_plan_run.h"
#include "device/change_journal.h"
#include "device/orb_conn2device.h"
#include "ui/local_device_tree.h"
#include "ui/search_watch.h"

#include <QJsonDocument>
#include <QLineEdit>
#include <QMultiHash>

namespace {

// How soon set-up that had to wait looks again.
constexpr int BUSY_RETRY_MS = 500;

} // namespace

ORB_SightCommissioning::ORB_SightCommissioning(Parts parts, QObject* parent)
    : QObject(parent)
    , parts(std::move(parts))
{
    busy_retry.setSingleShot(true);
    busy_retry.setInterval(BUSY_RETRY_MS);
    connect(&busy_retry, &QTimer::timeout, this, &ORB_SightCommissioning::set_up_due);
    connect(this->parts.device_link, &ORB_CONN2DEVICE::sight_requested, this,
            &ORB_SightCommissioning::handle_request);
    connect(this->parts.watch, &ORB_SearchWatch::switched, this, [this](bool on, const QString& watched) {
        if (plan.is_armed() && (!on || watched != nic))
            disarm(on ? "otherInterface" : "watchStopped");
    });
    // Queued: the round has ended, and watch has set its next one, before
    // any switch is set up.
    connect(this->parts.watch, &ORB_SearchWatch::round_done, this, &ORB_SightCommissioning::take_round,
            Qt::QueuedConnection);
}

void ORB_SightCommissioning::handle_request(const QString& request_text)
{
    const QJsonObject request = qjson_object_from_text(request_text.toUtf8());
    if (request["on"].toBool())
        arm(request);
    else if (request.contains("on"))
        disarm(!plan.is_armed() ? QString() : request["otherInterface"].toBool() ? "otherInterface" : "toggle");
    else if (request["retry"].toBool() && plan.is_armed()) {
        if (!request["password"].toString().isEmpty()) // typed for the switches that refused the first
            password = request["password"].toString();
        plan.retry_failed();
        tell();
    } else
        tell();
}

// The plan's own checks, against the listed switches, come first; a
// switch not listed yet waits for a round to find it.
void ORB_SightCommissioning::arm(const QJsonObject& request)
{
    QVector<ORB_SightPlan::Planned> planned;
    QVector<ORB_AddressPlanCheck::Entry> entries;
    for (const QJsonValue& s : request["switches"].toArray()) {
        planned.append({s["sn"].toString(), s["newIp"].toString(), s["mask"].toString(), s["gateway"].toString(),
                        s["dns"].toString()});
        entries.append({planned.last().sn, planned.last().new_ip, planned.last().mask, planned.last().gateway,
                        planned.last().dns});
    }
    QMultiHash<QString, QString> listed;
    for (const QJsonValue& device : parts.device_link->last_search())
        listed.insert(device["ip"].toString(), device["sn"].toString());
    int unsound = 0;
    for (const ORB_AddressPlanCheck::Problem& problem : ORB_AddressPlanCheck::check(entries, listed))
        unsound += problem.reason.isEmpty() ? 0 : 1;
    const QString watched = parts.watched_interface();
    const QString refused = watched.isEmpty()          ? "watchOff"
        : request["nic"].toString() != watched ? "otherInterface"
        : planned.isEmpty()                     ? "empty"
        : unsound > 0                           ? "planRefused"
                                                : QString();
    if (!refused.isEmpty()) {
        tell(QString(), {{"refused", refused}, {"count", unsound}});
        return;
    }
    plan.arm(planned);
    nic = request["nic"].toString();
    password = request["password"].toString();
    project = parts.open_project();
    due.clear();
    set_up_by.clear();
    tell();
}

void ORB_SightCommissioning::disarm(const QString& why)
{
    busy_retry.stop();
    if (setting_up) // the switches of this set-up not asked yet are left as they are
        parts.plan_run->stop();
    due.clear();
    const bool was_armed = plan.is_armed();
    tell(why); // with the last states, for the page to keep showing
    for (const QJsonValue& s : plan.states()) // the page's marks go too
        parts.device_tree->show_commission_mark(s["sn"].toString(), QString());
    plan.disarm();
    if (was_armed)
        parts.state_text->setText(tr("Commission on sight ended: %1").arg(counts_text()));
}

void ORB_SightCommissioning::take_round(const QJsonArray& devices, bool whole, const QString& round_nic)
{
    if (!plan.is_armed())
        return;
    if (round_nic != nic)
        return disarm("otherInterface");
    if (parts.open_project() != project)
        return disarm("otherProject");
    QStringList judged;
    due += plan.take_round(devices, whole, &judged);
    for (const QString& sn : judged)
        journal_verdict(sn);
    tell();
    if (plan.all_done())
        return disarm("allDone");
    set_up_due();
}

void ORB_SightCommissioning::set_up_due()
{
    if (!plan.is_armed() || due.isEmpty())
        return;
    if (parts.open_project() != project) // opened while the set-up waited
        return disarm("otherProject");
    if (parts.watch->must_wait()) {
        busy_retry.start();
        return;
    }
    const QList<ORB_SightPlan::Due> now = std::exchange(due, {});
    setting_up = true;
    parts.plan_run->run(plan_text(now));
    setting_up = false;
    if (plan.is_armed()) // a toggle or a stop meanwhile ends it
        take_outcomes(now);
}

QString ORB_SightCommissioning::plan_text(const QList<ORB_SightPlan::Due>& now) const
{
    QJsonArray steps;
    for (const ORB_SightPlan::Due& d : now)
        steps.append(QJsonObject{{"sn", d.planned.sn}, {"ip", d.ip}, {"newIp", d.planned.new_ip},
                                 {"mask", d.planned.mask}, {"gateway", d.planned.gateway}, {"dns", d.planned.dns},
                                 {"active", d.active}});
    return QString::fromUtf8(
        QJsonDocument(QJsonObject{{"nic", nic}, {"password", password}, {"sight", true}, {"switches", steps}})
            .toJson(QJsonDocument::Compact));
}

// A plan refuses all its switches for one that cannot be given its address
// (a host answers there): the others were not tried, and go again without it.
void ORB_SightCommissioning::take_outcomes(const QList<ORB_SightPlan::Due>& now)
{
    const QHash<QString, QJsonObject> outcomes = parts.plan_run->last_run();
    QList<ORB_SightPlan::Due> not_tried;
    for (const ORB_SightPlan::Due& d : now) {
        const QJsonObject step = outcomes.value(d.planned.sn);
        if (step["state"] == QString("restarting")) {
            plan.settings_taken(d.planned.sn);
            set_up_by.insert(d.planned.sn, parts.plan_run->last_plan());
        } else if (step["reason"] == QString("planRefused")) {
            not_tried.append(d);
        } else {
            plan.failed(d.planned.sn, step["reason"].toString("noAnswer"), step["other"].toString());
        }
    }
    if (not_tried.size() == now.size()) { // none failed of its own: a second go would change nothing
        for (const ORB_SightPlan::Due& d : not_tried)
            plan.failed(d.planned.sn, "planRefused");
    } else if (!not_tried.isEmpty()) {
        due += not_tried;
        busy_retry.start();
    }
    tell();
}

void ORB_SightCommissioning::journal_verdict(const QString& sn)
{
    const QString plan_id = set_up_by.take(sn);
    if (!parts.journal || plan_id.isEmpty())
        return;
    const QJsonObject state = plan.state_of(sn);
    QJsonObject step{{"kind", "planStep"}, {"plan", plan_id}, {"nic", nic}, {"sn", sn},
                     {"state", state["state"] == QString("done") ? "confirmed" : "unconfirmed"}, {"sight", true}};
    for (const char* key : {"reason", "at"})
        if (state.contains(key))
            step.insert(key, state[key]);
    parts.journal->note(step);
}

void ORB_SightCommissioning::tell(const QString& ended, const QJsonObject& refusal)
{
    const ORB_SightPlan::Counts c = plan.counts();
    QJsonObject message{{"command", "sightState"},
                        {"armed", plan.is_armed() && ended.isEmpty()},
                        {"nic", nic},
                        {"counts", QJsonObject{{"waiting", c.waiting}, {"settingUp", c.setting_up},
                                               {"done", c.done}, {"failed", c.failed}}},
                        {"switches", plan.states()}};
    if (!ended.isEmpty())
        message.insert("ended", ended);
    for (auto it = refusal.begin(); it != refusal.end(); ++it)
        message.insert(it.key(), it.value());
    parts.device_link->tell_page(message);
    if (plan.is_armed() && ended.isEmpty()) {
        parts.state_text->setText(tr("Commission on sight on %1: %2").arg(nic, counts_text()));
        show_marks();
    }
}

void ORB_SightCommissioning::show_marks()
{
    for (const QJsonValue& s : plan.states()) {
        const QString state = s["state"].toString();
        const QString text = state == "waiting" ? tr("waiting")
            : state == "settingUp"              ? tr("setting up")
            : state == "done"                   ? tr("done")
                                                : tr("failed: %1").arg(reason_text(s.toObject()));
        parts.device_tree->show_commission_mark(s["sn"].toString(), text);
    }
}

QString ORB_SightCommissioning::reason_text(const QJsonObject& state)
{
    const QString reason = state["reason"].toString();
    if (reason == "passwordRefused")
        return tr("the password was refused");
    if (reason == "noAnswer")
        return tr("the switch did not answer");
    if (reason == "needsPassword" || reason == "noPassword")
        return tr("no password to log in or activate with");
    if (reason == "activationRefused")
        return tr("the switch refused the activation");
    if (reason == "settingsRefused")
        return tr("the switch refused the settings");
    if (reason == "inUse" && state.contains("other"))
        return tr("%1 is in use by %2").arg(state["newIp"].toString(), state["other"].toString());
    if (reason == "inUse")
        return tr("another host answers at its planned address");
    if (reason == "notFound")
        return tr("the next round did not find it");
    if (reason == "elsewhere")
        return tr("the next round found it at %1").arg(state["at"].toString());
    return tr("the plan could not be applied (%1)").arg(reason);
}

QString ORB_SightCommissioning::counts_text() const
{
    const ORB_SightPlan::Counts c = plan.counts();
    return tr("%1 waiting, %2 setting up, %3 done, %4 failed").arg(c.waiting).arg(c.setting_up).arg(c.done).arg(c.failed);
}
