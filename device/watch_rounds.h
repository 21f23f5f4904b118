#pragma once
// Watching a site: each search round compared with what the rounds before
// it found. A switch is new when the previous round did not list it (the
// first round only sets the scene), missing while a round does not list it
// (kept, with when it was last seen), and changed when it answers with
// another address or state than before. A round that lost answers is not a
// whole list: it marks no switch missing. The rounds keep at most as many
// switches as a search may list; past that, the missing switches seen
// longest ago are forgotten first, so a host that answers every round with
// new serial numbers cannot grow them without end.

#include "device/search_collection.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QStringList>

class ORB_WatchRounds
{
public:
    struct Counts
    {
        int found = 0, fresh = 0, missing = 0, changed = 0;
        int forgotten = 0; // missing switches forgotten to keep within the capacity
    };

    explicit ORB_WatchRounds(int capacity = ORB_SearchCollection::MAX_SWITCHES);
    int capacity() const { return most_kept; }

    // Forgets every round: the next one sets the scene again.
    void reset();
    // Takes a round's "device" list (empty when no switch answered); whole is
    // false when the round lost answers.
    Counts add_round(const QJsonArray& devices, const QDateTime& time, bool whole = true);
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
    void mark_unlisted(const QSet<QString>& listed, bool whole, Counts& counts);
    int forget_missing();

    QStringList order;
    QHash<QString, Known> known;
    int round_count = 0;
    int most_kept;
};
