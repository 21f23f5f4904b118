#include "cjson_util.h"

#include <QJsonDocument>

#include <cstdlib>

namespace {

QByteArray take_printed(char* text)
{
    if (!text)
        return QByteArray();
    QByteArray result(text);
    cJSON_free(text);
    return result;
}

} // namespace

QByteArray cjson_print(const cJSON* item)
{
    return item ? take_printed(cJSON_PrintUnformatted(item)) : QByteArray();
}

QByteArray cjson_print_pretty(const cJSON* item)
{
    return item ? take_printed(cJSON_Print(item)) : QByteArray();
}

QJsonObject cjson_to_qjson_object(const cJSON* item)
{
    if (!cJSON_IsObject(item))
        return QJsonObject();
    // Round trip through QString: invalid UTF-8 becomes U+FFFD instead of
    // failing the parse.
    const QByteArray text = QString::fromUtf8(cjson_print(item)).toUtf8();
    return QJsonDocument::fromJson(text).object();
}

const char* cjson_string_member(const cJSON* object, const char* name)
{
    return cJSON_GetStringValue(cJSON_GetObjectItemCaseSensitive(object, name));
}
