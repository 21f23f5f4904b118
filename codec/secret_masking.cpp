#include "secret_masking.h"

#include "codec/cjson_util.h"

#include <QString>

#include <cstring>

namespace {

bool is_secret(const char* name)
{
    return name
        && (std::strcmp(name, "secretKey") == 0 || std::strcmp(name, "password") == 0
            || std::strcmp(name, "passwd") == 0);
}

// A scalar becomes the string "***", keeping its member name.
void hide(cJSON* parent, cJSON* item)
{
    if (cJSON_IsString(item)) {
        cJSON_SetValuestring(item, "***");
        return;
    }
    cJSON* stars = cJSON_CreateString("***");
    if (item->string) {
        const std::size_t size = std::strlen(item->string) + 1;
        stars->string = static_cast<char*>(cJSON_malloc(size));
        std::memcpy(stars->string, item->string, size);
    }
    cJSON_ReplaceItemViaPointer(parent, item, stars);
}

// Every value inside a secret member, whatever its shape.
void mask_all(cJSON* parent)
{
    for (cJSON* child = parent->child; child;) {
        cJSON* next = child->next;
        if (cJSON_IsArray(child) || cJSON_IsObject(child))
            mask_all(child);
        else
            hide(parent, child);
        child = next;
    }
}

void mask(cJSON* item)
{
    for (cJSON* child = item ? item->child : nullptr; child;) {
        cJSON* next = child->next;
        if (!is_secret(child->string))
            mask(child);
        else if (cJSON_IsArray(child) || cJSON_IsObject(child))
            mask_all(child);
        else
            hide(item, child);
        child = next;
    }
}

} // namespace

QByteArray mask_secrets(const QByteArray& json_text)
{
    CJsonPtr document(cJSON_Parse(json_text.constData()));
    if (!document) // it could be anything, a password among it
        return QString("<%1 bytes, not JSON>").arg(json_text.size()).toUtf8();
    mask(document.get());
    return cjson_print(document.get());
}
