#pragma once
// What one search collects from the LAN: one entry per switch, the first
// answer winning, and counts of what it passed over. A switch is known by its
// serial number, so switches that share an address (new ones usually come up
// on the same factory address) are each listed; an answer without a serial
// number is known by its address.

#include "codec/cjson_util.h"

#include <QByteArray>
#include <QSet>
#include <QString>

class ORB_SearchCollection
{
public:
    // At most this many switches a search, whatever a host sends.
    static constexpr int MAX_SWITCHES = 10000;

    ORB_SearchCollection();

    // Lists the switch of a reply's "data" object, unless it is listed already
    // or the list is full.
    void add(const cJSON* data);
    void count_datagram() { ++datagrams; }
    void count_oversized() { ++oversized; }
    void count_unusable() { ++unusable; }

    int size() const { return int(seen.size()); }
    int left_out() const { return switches_left_out; }
    const cJSON* devices() const { return list.get(); }
    CJsonPtr take_devices() { return std::move(list); }
    // Copies of at most most switches listed since the last call, in the
    // order they answered: what a person can be shown while the search goes on.
    CJsonPtr take_new(int most);
    // One line for the log: a line a datagram would let a flood swamp it.
    QString summary() const;

private:
    CJsonPtr list;
    const cJSON* last_taken = nullptr; // the last entry take_new() returned
    QSet<QByteArray> seen;
    int datagrams = 0, oversized = 0, unusable = 0, switches_left_out = 0;
};
