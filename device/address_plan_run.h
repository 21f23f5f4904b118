#pragma once
// Applies an address plan from the page, one switch at a time: logs in (or
// activates a new switch), sends the network configuration, and once every
// switch has had time to restart, searches again and tells which switch
// answers at its new address. Each step is reported to the page as it
// happens ({"command":"planStep"}), the end as {"command":"planDone"}.
//
// A plan: {"nic":…,"password":…,"switches":[{"sn","ip","newIp","mask",
// "gateway","dns","active"}]}, and "undoes" or "resumes" with the id of the
// plan it undoes or carries on, or "sight": true for commission on sight,
// which the watch's next round confirms (its messages say "sight" too). The
// typed password is tried after the one the open local project stores;
// passwords never go back to the page.
//
// With a journal, the plan is written down as it starts, each step as it
// happens, and its end; a switch whose change cannot be written down is not
// changed, and the plan stops there.

#include "device/address_plan_check.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class ORB_AddressCheck;
class ORB_CONN2DEVICE;
class ORB_ChangeJournal;
struct ORB_JournalPlan;

class ORB_AddressPlanRun : public QObject
{
    Q_OBJECT

public:
    // The passwords the open local project stores, by serial number.
    using StoredPasswords = std::function<QHash<QString, QString>()>;

    // How long switches get to restart before the confirming search.
    static constexpr int RESTART_WAIT_MS = 6000;
    // How often a plan looks again whether the link is free to start it.
    static constexpr int BUSY_RETRY_MS = 200;

    // journal may be null: nothing is written down.
    ORB_AddressPlanRun(ORB_CONN2DEVICE* device_link, StoredPasswords stored_passwords, ORB_ChangeJournal* journal,
                       QObject* parent);

    // Addresses are checked on the wire before any switch is asked; without,
    // only against the listed switches.
    void set_address_check(ORB_AddressCheck* check) { address_check = check; }

    void run(const QString& plan_text);
    // From a plan's start to its end, restart waits included.
    bool is_running() const { return running; }
    // The running plan asks no switch more: each one it has not reached
    // yet fails as "stopped".
    void stop() { stop_asked = running; }
    // What became of each switch the plans of this run have reached, by
    // serial number, as its last step: {"oldIp","newIp","state"[,"reason"][,"at"][,"other"]}.
    QHash<QString, QJsonObject> outcomes() const { return last_steps; }
    // How each switch of the last plan ended, refusals included: {"state"[,"reason"][,"other"]}.
    QHash<QString, QJsonObject> last_run() const { return run_steps; }
    // The journal's id for the last plan, empty when it was not journaled.
    QString last_plan() const { return last_plan_id; }
    // How the last plan ended, for the status line (translated).
    QString outcome_text() const;

signals:
    void finished();

private:
    struct Step
    {
        QString sn, ip, new_ip, mask, gateway, dns;
        bool active = true;
    };

    // False, with every switch told why, when one address of the plan
    // cannot be given: "planRefused" for the switches that could. An undo
    // gives only the addresses its plan took, and switches may share again
    // an address they shared before it.
    bool passes_check(const QList<Step>& steps, const QString& undoes);
    static QString undo_problem(const Step& step, const ORB_JournalPlan* undone);
    // Refuses the addresses another host answers at, with its hardware
    // address; says how many.
    int refuse_in_use(const QList<Step>& steps, QVector<ORB_AddressPlanCheck::Problem>* problems);
    // Writes down the plan's start; false when it cannot be.
    bool journal_start(const QJsonObject& plan, const QList<Step>& steps);
    void journal_end();
    // Tells the switches from the index on that the plan stopped.
    void stop_at(const QList<Step>& steps, int index);
    void apply(const QList<Step>& steps, const QString& typed_password, const QHash<QString, QString>& stored,
               const QString& nic);
    // Empty when the switch took its new settings, else why not, as a word
    // the page translates ("noAnswer", "passwordRefused", …).
    QString configure(const Step& step, const QString& typed_password, const QString& stored_password);
    QString log_in(const Step& step, const QString& typed_password, const QString& stored_password);
    QString send_settings(const Step& step);
    void wait_for_restart();
    void confirm(const QList<Step>& restarting, const QString& nic);
    // detail: "reason", and "at" (where the confirming search found a switch
    // that is not at its new address) or "other" (the switch that uses it).
    void report(const Step& step, const QString& state, const QJsonObject& detail = {});
    // Tells the page only.
    void tell_step(const Step& step, const QString& state, const QJsonObject& detail);

    ORB_CONN2DEVICE* device_link;
    StoredPasswords stored_passwords;
    ORB_ChangeJournal* journal;
    ORB_AddressCheck* address_check = nullptr;
    QString plan_id, plan_nic; // the running plan's, as the journal knows it
    QString last_plan_id;
    QHash<QString, QJsonObject> run_steps;
    QHash<QString, QJsonObject> last_steps;
    bool running = false;
    bool stop_asked = false;
    bool on_sight = false; // commission on sight: the watch's next round confirms
    int done = 0, total = 0, confirmed = 0, refused = 0;
    QString journal_problem; // why the last plan stopped: its journal could not be written
};
