#pragma once
// What the page hears of the change journal of the open project (or of work
// outside a project): its entries for the History view and the site report,
// and an address plan that did not end, to resume or dismiss. The page asks;
// the answers are device messages.

#include <QJsonArray>
#include <QObject>
#include <QString>

class ORB_ChangeJournal;
class ORB_CONN2DEVICE;
struct ORB_JournalPlan;

class ORB_JournalPage : public QObject
{
    Q_OBJECT

public:
    ORB_JournalPage(ORB_ChangeJournal* journal, ORB_CONN2DEVICE* device_link, QObject* parent);

    // {"command":"history","entries":"[…]","setAside":n}, the entries oldest
    // first as JSON text.
    void tell_history();
    // {"command":"planInterrupted","plan","time","nic","done","total",
    // "switches":[…],"unknown":[sn…]}, or without "plan" when none.
    void tell_interrupted();
    // The plan is not offered again.
    void dismiss(const QString& plan_id);
    // The newest plan's entries as the page's interrupted message gives them,
    // or an empty object.
    QJsonObject interrupted_plan() const;
    // "The address plan of 14:02 on eth0 was interrupted after 37 of 120
    // switches…" (translated).
    static QString interrupted_text(const ORB_JournalPlan& plan);

signals:
    // For the status line: a plan did not end.
    void interrupted_found(QString text);

private:
    ORB_ChangeJournal* journal;
    ORB_CONN2DEVICE* device_link;
};
