#pragma once
// Commission on sight: with a plan armed from the page and watch on, each
// planned switch a round finds away from its planned address is set up at
// once through the address plan (activated with the plan's password when
// new, or logged in with the project's or the typed one; given its settings;
// journaled as any plan), and the next round confirms it. The page, the tree
// and the status line show each switch "waiting", "setting up", "done" or
// "failed: reason", and count them. Nothing runs while a person's request, a
// prompt or a plan is under way. It disarms when every planned switch is
// done, when watch stops or moves to another interface, when another project
// is opened, and on the page's toggle. A round's verdict on each set-up is
// journaled as a late step of its plan: "confirmed" or "unconfirmed".
//
// The page asks {"on":true,"nic","password","switches":[{"sn","newIp","mask",
// "gateway","dns"}]}, {"on":false[,"otherInterface":true]}, {"retry":true[,"password"]} or
// {"ask":true}, and hears
// {"command":"sightState","armed","nic","counts":{"waiting","settingUp",
// "done","failed"},"switches":[…][,"ended"][,"refused"]}.

#include "device/sight_plan.h"

#include <QHash>
#include <QObject>
#include <QTimer>

#include <functional>

class ORB_AddressPlanRun;
class ORB_ChangeJournal;
class ORB_CONN2DEVICE;
class ORB_LocalDeviceTree;
class ORB_SearchWatch;
class QLineEdit;

class ORB_SightCommissioning : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        ORB_CONN2DEVICE* device_link;
        ORB_AddressPlanRun* plan_run;
        ORB_ChangeJournal* journal; // may be null: nothing is written down
        ORB_SearchWatch* watch;
        ORB_LocalDeviceTree* device_tree;
        QLineEdit* state_text;
        std::function<QString()> open_project;
        std::function<QString()> watched_interface; // empty while watch is off
    };

    ORB_SightCommissioning(Parts parts, QObject* parent);

    void handle_request(const QString& request_text);
    bool is_armed() const { return plan.is_armed(); }

private:
    void arm(const QJsonObject& request);
    // why: the word the page translates ("allDone", "watchStopped", …).
    void disarm(const QString& why);
    void take_round(const QJsonArray& devices, bool whole, const QString& nic);
    // Sets up the switches found due, once nobody else is at work.
    void set_up_due();
    QString plan_text(const QList<ORB_SightPlan::Due>& due) const;
    void take_outcomes(const QList<ORB_SightPlan::Due>& due);
    // A round's verdict on a switch's settings, as a late step of the plan
    // that gave them.
    void journal_verdict(const QString& sn);
    void tell(const QString& ended = QString(), const QJsonObject& refusal = {});
    void show_marks();
    QString counts_text() const;
    // A failed switch's reason, in the window's words.
    static QString reason_text(const QJsonObject& state);

    Parts parts;
    ORB_SightPlan plan;
    QString nic, password, project;
    QList<ORB_SightPlan::Due> due;
    QHash<QString, QString> set_up_by; // the journal's plan that gave a switch its settings
    QTimer busy_retry;
    bool setting_up = false; // a set-up's plan runs
};
