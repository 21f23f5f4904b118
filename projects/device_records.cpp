#include "device_records.h"

#include "codec/payload_cipher.h"
#include "codec/payload_text.h"

#include <QSet>
#include <QStringList>

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

CJsonPtr project_document(const QVector<ORB_DeviceRecord>& records)
{
    CJsonPtr document(cJSON_CreateObject());
    cJSON* arrays[6];
    for (int k = 0; k < 6; ++k)
        arrays[k] = cJSON_AddArrayToObject(document.get(), FILE_KEYS[k]);
    for (const ORB_DeviceRecord& d : records) {
        const QString values[6] = {d.ip, d.sn, d.mac, d.model, encode_stored_password(d.passwd), d.active};
        for (int k = 0; k < 6; ++k)
            cJSON_AddItemToArray(arrays[k], cJSON_CreateString(values[k].toUtf8().constData()));
    }
    return document;
}

CJsonPtr search_device_list(const QVector<ORB_DeviceRecord>& records)
{
    CJsonPtr list(cJSON_CreateObject());
    cJSON* local_device = cJSON_AddArrayToObject(list.get(), "local_device");
    QSet<QString> seen_ips;
    for (const ORB_DeviceRecord& d : records) {
        const QString ip = d.ip.left(15);
        if (seen_ips.contains(ip))
            continue;
        seen_ips.insert(ip);
        cJSON* entry = cJSON_CreateObject();
        cJSON_AddStringToObject(entry, "ip", d.ip.toUtf8().constData());
        cJSON_AddStringToObject(entry, "sn", d.sn.toUtf8().constData());
        cJSON_AddStringToObject(entry, "active", d.active.toUtf8().constData());
        cJSON_AddItemToArray(local_device, entry);
    }
    return list;
}
