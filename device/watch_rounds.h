#pragma once
// Watching a site: each search round compared with what the rounds before
// it found. A switch is new when the previous round did not list it (the
// first round only sets the scene), missing while a round does not list it
// (kept, with when it was last seen), and changed when it answers with
// another address or state than before.

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

class ORB_WatchRounds
{
public:
    struct Counts
    {
        int found = 0, fresh = 0, missing = 0, changed = 0;
    };

    // Forgets every round: the next one sets the scene again.
    void reset();
    // Takes a round's "device" list (empty when no switch answered).
    Counts add_round(const QJsonArray& devices, const QDateTime& time);
    int rounds() const { return round_count; }

    // Every switch seen since the watch started, in the order first seen,
    // each a "device" entry (the last one seen) with "watch": "new",
    // "missing", "changed" or "" added; "wasIp" and "wasActive" (the old
    // address and whether it was activated) for a changed one, "lastSeen"
    // (hh:mm:ss) for a missing one.
    QJsonArray marked_list() const;

private:
    struct Known
    {
        QJsonObject device;
        QString mark;
        QJsonObject before; // a changed switch's old device entry
        QDateTime last_seen;
    };

    static bool same_address_and_state(const QJsonObject& a, const QJsonObject& b);

    QStringList order;
    QHash<QString, Known> known;
    int round_count = 0;
};
