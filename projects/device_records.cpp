#include "device_records.h"

#include "codec/payload_cipher.h"
#include "codec/payload_text.h"

#include <climits>

namespace {

const char* const FILE_KEYS[] = {"ip", "sn", "mac", "model", "passwd", "active"};

} // namespace

bool read_device_records(const cJSON* document, QVector<ORB_DeviceRecord>* records)
{
    records->clear();
    const cJSON* arrays[6];
    int count = INT_MAX;
    for (int k = 0; k < 6; ++k) {
        arrays[k] = cJSON_GetObjectItem(document, FILE_KEYS[k]);
        if (!cJSON_IsArray(arrays[k]))
            return false;
        count = qMin(count, cJSON_GetArraySize(arrays[k]));
    }
    records->reserve(count);
    // Walk the arrays side by side: indexing each one would be quadratic.
    const cJSON* element[6];
    for (int k = 0; k < 6; ++k)
        element[k] = arrays[k]->child;
    for (int i = 0; i < count; ++i) {
        QString texts[6];
        for (int k = 0; k < 6; ++k) {
            texts[k] = QString::fromUtf8(cJSON_IsString(element[k]) ? element[k]->valuestring : "");
            element[k] = element[k]->next;
        }
        records->append({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
    }
    return true;
}

QString decode_stored_password(const QString& stored)
{
    return QString::fromUtf8(decrypt_from_base64(stored.toUtf8(), PASSWORD_STORE_KEY));
}

QString encode_stored_password(const QString& password)
{
    return QString::fromUtf8(encrypt_to_base64(password.toUtf8(), PASSWORD_STORE_KEY));
}
