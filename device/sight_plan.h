#pragma once
// Commission on sight, as a plan's switches come up: which planned switch a
// watch round finds and has not tried yet is due to be set up; which one
// answers at its planned address is done; one that was set up and the next
// round does not find there has failed. Each switch is tried once an arming,
// until the person retries the failed ones. Switches outside the plan are
// never due.

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

class ORB_SightPlan
{
public:
    enum class State { Waiting, SettingUp, Done, Failed };
    struct Planned
    {
        QString sn, new_ip, mask, gateway, dns;
    };
    // A planned switch a round found: where it answers, and whether it is activated.
    struct Due
    {
        Planned planned;
        QString ip;
        bool active = true;
    };
    struct Counts
    {
        int waiting = 0, setting_up = 0, done = 0, failed = 0;
    };

    void arm(const QVector<Planned>& plan);
    void disarm();
    bool is_armed() const { return !order.isEmpty(); }

    // A round's "device" list; whole is false when it lost answers (then a
    // switch it does not list may still be there). Returns the switches to
    // set up now, marked "setting up". judged, if given, gets the switches
    // whose set-up this round confirmed or found failed.
    QList<Due> take_round(const QJsonArray& devices, bool whole, QStringList* judged = nullptr);
    // What the set-up made of a switch: its settings were taken (the next
    // round confirms them), or it failed with the reason the page translates.
    void settings_taken(const QString& sn);
    // other: what answered at its address, for "inUse".
    void failed(const QString& sn, const QString& reason, const QString& other = {});
    // The failed switches are waiting again, to be tried once more.
    void retry_failed();

    Counts counts() const;
    bool all_done() const;
    bool plans(const QString& sn) const { return entries.contains(sn); }
    // [{"sn","newIp","state":"waiting"|"settingUp"|"done"|"failed"[,"reason"][,"at"][,"other"]}], in plan order.
    QJsonArray states() const;
    // One planned switch's entry of states().
    QJsonObject state_of(const QString& sn) const;
    QString state_word(const QString& sn) const;

private:
    struct Entry
    {
        Planned planned;
        State state = State::Waiting;
        QString reason, at, other;
        bool awaiting_round = false; // took its settings; the next round confirms
    };

    // False when the round cannot tell yet.
    bool confirm(Entry& entry, const QJsonObject* found, bool whole);

    QStringList order;
    QHash<QString, Entry> entries;
};
