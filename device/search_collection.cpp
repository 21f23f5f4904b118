#include "search_collection.h"

#include "device/device_datagram.h"

namespace {

// Addresses are compared over this many characters, as the switches' older
// tools did.
constexpr int IP_COMPARE_LENGTH = 15;

QByteArray switch_key(const cJSON* entry)
{
    const QByteArray sn = cjson_string_member(entry, "sn");
    if (!sn.isEmpty())
        return "sn:" + sn;
    return "ip:" + QByteArray(cjson_string_member(entry, "ip")).left(IP_COMPARE_LENGTH);
}

} // namespace

ORB_SearchCollection::ORB_SearchCollection()
    : list(cJSON_CreateArray())
{
}

void ORB_SearchCollection::add(const cJSON* data)
{
    CJsonPtr entry = ORB_DeviceDatagram::search_entry(data);
    const QByteArray key = switch_key(entry.get());
    if (seen.contains(key))
        return;
    if (seen.size() >= MAX_SWITCHES) {
        ++switches_left_out;
        return;
    }
    seen.insert(key);
    cJSON_AddItemToArray(list.get(), entry.release());
}

CJsonPtr ORB_SearchCollection::take_new(int most)
{
    CJsonPtr fresh(cJSON_CreateArray());
    const cJSON* entry = last_taken ? last_taken->next : list->child;
    for (int taken = 0; entry && taken < most; entry = entry->next, ++taken) {
        cJSON_AddItemToArray(fresh.get(), cJSON_Duplicate(entry, true));
        last_taken = entry;
    }
    return fresh;
}

QString ORB_SearchCollection::summary() const
{
    return QString("search: %1 datagrams, %2 switches listed, %3 left out, %4 oversized, %5 not replies to this "
                   "search")
        .arg(datagrams)
        .arg(seen.size())
        .arg(switches_left_out)
        .arg(oversized)
        .arg(unusable);
}
