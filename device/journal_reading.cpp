#include "journal_reading.h"

#include "codec/cjson_util.h"

void ORB_JournalReading::add(const QByteArray& bytes)
{
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        // Every entry has members, so an empty object is no entry either.
        const QJsonObject entry = qjson_object_from_text(line);
        if (entry.isEmpty())
            ++set_aside;
        else
            entries.append(entry);
    }
}
