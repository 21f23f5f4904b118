#pragma once
// The address plans a journal tells of: what each planned, how far it got,
// and whether it ended. A plan that has no end entry was interrupted: the
// program stopped (a crash, a power loss) before the plan ended.

#include <QHash>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QVector>

struct ORB_JournalPlan
{
    struct Switch
    {
        QString sn, ip, new_ip, mask, gateway, dns;
        bool active = true;
    };

    QString id, time, nic;
    QString undoes;  // the plan this one undoes, if any
    QVector<Switch> switches;
    QSet<QString> reached; // switches the plan got to: a step or a change asked
    QSet<QString> unknown; // a change was asked and no outcome heard
    QSet<QString> readdressed; // a new address was asked of them
    bool ended = false;    // it ended, was resumed or dismissed

    // The planned switch with serial number sn, or null.
    const Switch* planned(const QString& sn) const;
};

class ORB_JournalPlans
{
public:
    // The plans, in the order they started.
    static QVector<ORB_JournalPlan> read(const QVector<QJsonObject>& entries);
    // The newest plan that did not end, or null.
    static const ORB_JournalPlan* interrupted(const QVector<ORB_JournalPlan>& plans);
    // The plan id's entry, or null.
    static const ORB_JournalPlan* find(const QVector<ORB_JournalPlan>& plans, const QString& id);

private:
    static ORB_JournalPlan started(const QJsonObject& entry);
};
