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
    // "missing", "changed" or "" added; "was" (the old address and state)
    // for a changed one, "lastSeen" (hh:mm:ss) for a missing one.
    QJsonArray marked_list() const;

private:
    struct Known
    {
        QJsonObject device;
        QString mark, was;
        QDateTime last_seen;
    };

    static QString address_and_state(const QJsonObject& device);

    QStringList order;
    QHash<QString, Known> known;
    int round_count = 0;
};
