#include "cjson_util.h"

#include <QJsonArray>

#include <cmath>

namespace {

QJsonValue cjson_to_qjson_value(const cJSON* item);

QJsonArray cjson_to_qjson_array(const cJSON* array)
{
    QJsonArray result;
    for (const cJSON* element = array->child; element; element = element->next)
        result.append(cjson_to_qjson_value(element));
    return result;
}

QJsonObject cjson_members(const cJSON* object)
{
    QJsonObject result;
    for (const cJSON* member = object->child; member; member = member->next) {
        const QString name = QString::fromUtf8(member->string ? member->string : "");
        if (!result.contains(name))
            result.insert(name, cjson_to_qjson_value(member));
    }
    return result;
}

QJsonValue cjson_to_qjson_value(const cJSON* item)
{
    if (cJSON_IsObject(item))
        return cjson_members(item);
    if (cJSON_IsArray(item))
        return cjson_to_qjson_array(item);
    if (cJSON_IsString(item))
        return QString::fromUtf8(item->valuestring);
    if (cJSON_IsBool(item))
        return bool(cJSON_IsTrue(item));
    // cJSON prints a number out of range as null; so does this.
    if (cJSON_IsNumber(item) && std::isfinite(item->valuedouble))
        return item->valuedouble;
    return QJsonValue::Null;
}

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
    return cJSON_IsObject(item) ? cjson_members(item) : QJsonObject();
}

QJsonObject qjson_object_from_text(const QByteArray& text)
{
    // Parsed within its size: a QByteArray over raw data has no terminator.
    const char* end = nullptr;
    const CJsonPtr document(cJSON_ParseWithLengthOpts(text.constData(), size_t(text.size()), &end, false));
    // Trailing text other than white space refuses the parse.
    if (!document || !text.mid(int(end - text.constData())).trimmed().isEmpty())
        return QJsonObject();
    return cjson_to_qjson_object(document.get());
}

const char* cjson_string_member(const cJSON* object, const char* name)
{
    return cJSON_GetStringValue(cJSON_GetObjectItemCaseSensitive(object, name));
}
