#include "address_plan_run.h"

#include "codec/cjson_util.h"
#include "codec/text_prefix.h"
#include "device/address_check.h"
#include "device/address_plan_check.h"
#include "device/change_journal.h"
#include "device/journal_plans.h"
#include "device/neighbour_table.h"
#include "device/network_settings.h"
#include "device/orb_conn2device.h"

#include <QDateTime>
#include <QEventLoop>
#include <QSet>
#include <QTimer>

namespace {

const char* data_text(const cJSON* reply, const char* name)
{
    return cjson_string_member(cJSON_GetObjectItemCaseSensitive(reply, "data"), name);
}

QJsonObject with_detail(QJsonObject object, const QJsonObject& detail)
{
    for (auto it = detail.begin(); it != detail.end(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

} // namespace

ORB_AddressPlanRun::ORB_AddressPlanRun(ORB_CONN2DEVICE* device_link, StoredPasswords stored_passwords,
                                       ORB_ChangeJournal* journal, QObject* parent)
    : QObject(parent)
    , device_link(device_link)
    , stored_passwords(std::move(stored_passwords))
    , journal(journal)
{
}

void ORB_AddressPlanRun::run(const QString& plan_text)
{
    if (running) // a page could send a second plan while the first waits
        return;
    if (device_link->waiting()) { // a search or a request of the page: the plan follows it
        QTimer::singleShot(BUSY_RETRY_MS, this, [this, plan_text] { run(plan_text); });
        return;
    }
    running = true;
    const QHash<QString, QString> stored = stored_passwords();
    const QJsonObject plan = qjson_object_from_text(plan_text.toUtf8());
    QList<Step> steps;
    for (const QJsonValue& entry : plan["switches"].toArray()) {
        const QJsonObject s = entry.toObject();
        steps.append({s["sn"].toString(), s["ip"].toString(), s["newIp"].toString(), s["mask"].toString(),
                      s["gateway"].toString(), s["dns"].toString(), s["active"].toBool(true)});
    }
    done = confirmed = refused = 0;
    total = steps.size();
    run_steps.clear();
    journal_problem.clear();
    plan_nic = plan["nic"].toString();
    on_sight = plan["sight"].toBool();
    if (passes_check(steps, plan["undoes"].toString()) && journal_start(plan, steps))
        apply(steps, plan["password"].toString(), stored, plan_nic);
    journal_end();
    device_link->set_silent(false); // later requests of the window show their time-outs again
    QJsonObject ended{{"command", "planDone"}, {"total", total}};
    if (refused > 0)
        ended.insert("refused", refused);
    if (!journal_problem.isEmpty())
        ended.insert("journalProblem", journal_problem);
    if (on_sight)
        ended.insert("sight", true);
    device_link->tell_page(ended);
    running = stop_asked = false;
    emit finished();
}

QString ORB_AddressPlanRun::outcome_text() const
{
    if (!journal_problem.isEmpty())
        return tr("The address plan stopped after %1 of %2 switches: the journal cannot be written (%3).")
            .arg(done)
            .arg(total)
            .arg(journal_problem);
    if (refused > 0)
        return tr("The address plan was refused: %n switch(es) cannot be given their addresses. No switch was "
                  "changed.",
                  nullptr, refused);
    return tr("Address plan done: %1 of %2 switches answer at their new addresses.").arg(confirmed).arg(total);
}

// The page checks the plan; what reaches the switches is checked again here,
// and a plan with one unsound address changes no switch at all.
bool ORB_AddressPlanRun::passes_check(const QList<Step>& steps, const QString& undoes)
{
    QVector<ORB_AddressPlanCheck::Entry> entries;
    for (const Step& step : steps)
        entries.append({step.sn, step.new_ip, step.mask, step.gateway, step.dns});
    QMultiHash<QString, QString> listed;
    for (const QJsonValue& device : device_link->last_search())
        listed.insert(device["ip"].toString(), device["sn"].toString());
    QVector<ORB_AddressPlanCheck::Problem> problems = ORB_AddressPlanCheck::check(entries, listed);
    if (!undoes.isEmpty()) {
        const QVector<ORB_JournalPlan> plans =
            ORB_JournalPlans::read(journal ? journal->read().entries : QVector<QJsonObject>());
        const ORB_JournalPlan* undone = ORB_JournalPlans::find(plans, undoes);
        for (int i = 0; i < steps.size(); ++i) {
            if (problems[i].reason == "duplicate") // they shared it before the plan, as the undo's preview says
                problems[i].reason.clear();
            if (const QString problem = undo_problem(steps[i], undone); !problem.isEmpty())
                problems[i] = {problem, QString()};
        }
    }
    for (const ORB_AddressPlanCheck::Problem& problem : problems)
        refused += problem.reason.isEmpty() ? 0 : 1;
    if (refused == 0)
        refused = refuse_in_use(steps, &problems);
    if (refused == 0)
        return true;
    for (int i = 0; i < steps.size(); ++i) {
        const ORB_AddressPlanCheck::Problem& problem = problems[i];
        QJsonObject detail{{"reason", problem.reason.isEmpty() ? QString("planRefused") : problem.reason}};
        if (!problem.other.isEmpty())
            detail.insert("other", problem.other);
        tell_step(steps[i], "failed", detail); // what a switch went through before stays its outcome
    }
    return false;
}

// What answers may be one of the plan's own switches: one that keeps its
// address, or two that swap.
int ORB_AddressPlanRun::refuse_in_use(const QList<Step>& steps, QVector<ORB_AddressPlanCheck::Problem>* problems)
{
    if (!address_check)
        return 0;
    QStringList addresses;
    QSet<QString> planned;
    for (const Step& step : steps) {
        addresses.append(step.new_ip);
        planned.insert(step.sn);
    }
    QSet<QString> own_hardware;
    for (const QJsonValue& device : device_link->last_search())
        if (planned.contains(device["sn"].toString()))
            own_hardware.insert(ORB_NeighbourTable::hardware_key(device["mac"].toString()));
    const ORB_AddressCheck::Findings findings = address_check->check_before_change(plan_nic, addresses);
    int in_use = 0;
    for (int i = 0; i < steps.size(); ++i) {
        const ORB_AddressProbe::Result found = findings.by_address.value(steps[i].new_ip);
        if (found.state == ORB_AddressProbe::State::InUse
            && !own_hardware.contains(ORB_NeighbourTable::hardware_key(found.mac))) {
            (*problems)[i] = {"inUse", found.mac};
            ++in_use;
        }
    }
    return in_use;
}

// An undo's addresses are the ones its plan took the switches from, as the
// journal holds them: two switches of an undo share one only when they
// shared it before.
QString ORB_AddressPlanRun::undo_problem(const Step& step, const ORB_JournalPlan* undone)
{
    const ORB_JournalPlan::Switch* planned = undone ? undone->planned(step.sn) : nullptr;
    if (!planned || !undone->readdressed.contains(step.sn) || planned->ip != step.new_ip)
        return "notInUndonePlan";
    return QString();
}

bool ORB_AddressPlanRun::journal_start(const QJsonObject& plan, const QList<Step>& steps)
{
    plan_id.clear();
    last_plan_id.clear();
    if (!journal)
        return true;
    QJsonArray planned;
    for (const Step& step : steps)
        planned.append(QJsonObject{{"sn", step.sn}, {"ip", step.ip}, {"newIp", step.new_ip}, {"mask", step.mask},
                                   {"gateway", step.gateway}, {"dns", step.dns}, {"active", step.active}});
    const QString id = QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss-zzz");
    QJsonObject started{{"kind", "plan"}, {"phase", "started"}, {"plan", id}, {"nic", plan_nic},
                        {"total", total}, {"switches", planned}};
    for (const char* link : {"undoes", "resumes"})
        if (plan.contains(link))
            started.insert(link, plan[link].toString());
    if (!journal->note(started)) {
        stop_at(steps, 0);
        return false;
    }
    plan_id = last_plan_id = id;
    if (plan.contains("resumes"))
        journal->note({{"kind", "plan"}, {"phase", "resumed"}, {"plan", plan["resumes"].toString()}, {"by", id}});
    device_link->set_journal_plan(id);
    return true;
}

void ORB_AddressPlanRun::journal_end()
{
    if (plan_id.isEmpty())
        return;
    journal->note({{"kind", "plan"}, {"phase", "ended"}, {"plan", plan_id}, {"nic", plan_nic},
                   {"confirmed", confirmed}, {"total", total}});
    device_link->set_journal_plan(QString());
    plan_id.clear();
}

// What a switch went through in an earlier plan stays its outcome.
void ORB_AddressPlanRun::stop_at(const QList<Step>& steps, int index)
{
    journal_problem = journal->problem();
    for (int i = index; i < steps.size(); ++i)
        tell_step(steps[i], "failed", {{"reason", "notJournaled"}});
}

void ORB_AddressPlanRun::apply(const QList<Step>& steps, const QString& typed_password,
                               const QHash<QString, QString>& stored, const QString& nic)
{
    QList<Step> restarting;
    for (int i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        if (journal && !journal->problem().isEmpty()) { // the last write failed: no switch more
            stop_at(steps, i);
            break;
        }
        if (stop_asked) {
            report(step, "failed", {{"reason", "stopped"}});
            continue;
        }
        report(step, "working");
        const QString reason = configure(step, typed_password, stored.value(step.sn));
        ++done;
        if (reason.isEmpty()) {
            restarting.append(step);
            report(step, "restarting");
        } else {
            report(step, "failed", {{"reason", reason}});
        }
    }
    if (restarting.isEmpty())
        return;
    wait_for_restart();
    if (!on_sight) // commission on sight confirms with the watch's next round
        confirm(restarting, nic);
}

QString ORB_AddressPlanRun::configure(const Step& step, const QString& typed_password,
                                      const QString& stored_password)
{
    const QString refused = log_in(step, typed_password, stored_password);
    return refused.isEmpty() ? send_settings(step) : refused;
}

QString ORB_AddressPlanRun::log_in(const Step& step, const QString& typed_password, const QString& stored_password)
{
    device_link->set_silent(true); // the page shows what went wrong, one line a switch
    if (!step.active) {
        if (typed_password.isEmpty())
            return "needsPassword";
        device_link->activate_device(step.ip, typed_password, step.sn);
        if (!device_link->journal_refusal().isEmpty())
            return "notJournaled";
        if (!device_link->last_reply_document())
            return "noAnswer";
        return begins_with_word(data_text(device_link->last_reply_document(), "activate"), "success")
            ? QString()
            : "activationRefused";
    }
    QStringList passwords;
    for (const QString& password : {stored_password, typed_password})
        if (!password.isEmpty() && !passwords.contains(password))
            passwords.append(password);
    for (const QString& password : passwords) {
        device_link->login_device(step.ip, password, step.sn);
        const cJSON* reply = device_link->last_reply_document();
        if (!reply)
            return "noAnswer";
        if (begins_with_word(data_text(reply, "login"), "success"))
            return QString();
    }
    return passwords.isEmpty() ? "noPassword" : "passwordRefused";
}

QString ORB_AddressPlanRun::send_settings(const Step& step)
{
    device_link->send_settings(step.ip, {step.new_ip, step.gateway, step.mask, step.dns}, step.sn, true);
    if (!device_link->journal_refusal().isEmpty())
        return "notJournaled";
    const cJSON* reply = device_link->last_reply_document();
    if (!reply)
        return "noAnswer";
    return ORB_NetworkSettings::accepted(reply) ? QString() : "settingsRefused";
}

void ORB_AddressPlanRun::wait_for_restart()
{
    QEventLoop restart;
    // For tests and benchmarks: a shorter wait, for switches that restart quickly.
    const int wait_ms = qEnvironmentVariableIsSet("ORB_PLAN_RESTART_WAIT_MS")
        ? qEnvironmentVariableIntValue("ORB_PLAN_RESTART_WAIT_MS")
        : RESTART_WAIT_MS;
    QTimer::singleShot(wait_ms, &restart, &QEventLoop::quit);
    restart.exec();
}

void ORB_AddressPlanRun::confirm(const QList<Step>& restarting, const QString& nic)
{
    device_link->confirming_search(nic);
    QHash<QString, QString> found_at;
    for (const QJsonValue& device : device_link->last_search())
        found_at.insert(device["sn"].toString(), device["ip"].toString());
    // A search that lost answers cannot tell that a switch is not there.
    const QString not_found = device_link->answers_lost() > 0 ? "answersLost" : "notFound";
    for (const Step& step : restarting) {
        const QString at = found_at.value(step.sn);
        if (at == step.new_ip) {
            ++confirmed;
            report(step, "confirmed");
        } else if (at.isEmpty()) {
            report(step, "unconfirmed", {{"reason", not_found}});
        } else {
            report(step, "unconfirmed", {{"reason", "elsewhere"}, {"at", at}});
        }
    }
}

void ORB_AddressPlanRun::report(const Step& step, const QString& state, const QJsonObject& detail)
{
    last_steps.insert(step.sn, with_detail({{"oldIp", step.ip}, {"newIp", step.new_ip}, {"state", state}}, detail));
    // "working" needs no entry: what the switch is asked is written down.
    if (!plan_id.isEmpty() && state != "working")
        journal->note(with_detail(
            {{"kind", "planStep"}, {"plan", plan_id}, {"nic", plan_nic}, {"sn", step.sn}, {"state", state}},
            detail));
    tell_step(step, state, detail);
}

void ORB_AddressPlanRun::tell_step(const Step& step, const QString& state, const QJsonObject& detail)
{
    run_steps.insert(step.sn, with_detail({{"state", state}}, detail));
    QJsonObject message{{"command", "planStep"}, {"sn", step.sn}, {"newIp", step.new_ip},
                        {"state", state},        {"done", done}, {"total", total}};
    if (on_sight) // the page's plan form is not the one running
        message.insert("sight", true);
    device_link->tell_page(with_detail(message, detail));
}
