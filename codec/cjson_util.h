#pragma once
// Small helpers around cJSON documents: ownership, compact printing, and the
// hand-over to Qt's JSON classes for signals.

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <cjson/cJSON.h>

#include <memory>

struct CJsonDeleter
{
    void operator()(cJSON* item) const { cJSON_Delete(item); }
};
using CJsonPtr = std::unique_ptr<cJSON, CJsonDeleter>;

// Compact text of item (members in insertion order); empty for null.
QByteArray cjson_print(const cJSON* item);

// Indented text of item, for the debug log.
QByteArray cjson_print_pretty(const cJSON* item);

// The object as a QJsonObject, converted member by member; an empty one when
// item is not an object. Of duplicate members the first wins, as cJSON's own
// look-up does. Text that is not valid UTF-8 (a switch may report in another
// encoding) is carried with replacement characters rather than dropping the
// whole object.
QJsonObject cjson_to_qjson_object(const cJSON* item);

// A JSON text from outside (a reply, a file, the page) as a QJsonObject: parsed
// by cJSON, then converted as above; empty when it is no JSON object. Qt's own
// parser is not given such text: it leaks the values of duplicate members.
QJsonObject qjson_object_from_text(const QByteArray& text);

// The string member name of object, or null when it is missing or no string.
const char* cjson_string_member(const cJSON* object, const char* name);
