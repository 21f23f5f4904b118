#include "secret_masking.h"

#include "codec/cjson_util.h"

#include <cstring>

namespace {

bool is_secret(const char* name)
{
    return name && (std::strcmp(name, "secretKey") == 0 || std::strcmp(name, "password") == 0);
}

void mask(cJSON* item)
{
    for (cJSON* child = item ? item->child : nullptr; child; child = child->next) {
        if (is_secret(child->string) && cJSON_IsString(child))
            cJSON_SetValuestring(child, "***");
        else
            mask(child);
    }
}

} // namespace

QByteArray mask_secrets(const QByteArray& json_text)
{
    CJsonPtr document(cJSON_Parse(json_text.constData()));
    if (!document)
        return json_text;
    mask(document.get());
    return cjson_print(document.get());
}
