#pragma once
// The switches of a project document: six parallel arrays "ip", "sn", "mac",
// "model", "passwd" and "active", as project files store them and the page
// hands them over. Read from files and from the page, so from outside.

#include "codec/cjson_util.h"

#include <QString>
#include <QVector>

struct ORB_DeviceRecord
{
    QString ip, sn, mac, model, passwd, active;
};

// The records of document, read across the six arrays (names in any case) up
// to the shortest; an element that is no string reads as "". False, and no
// records, when an array is missing.
bool read_device_records(const cJSON* document, QVector<ORB_DeviceRecord>* records);

// The six arrays of records, passwords as a project file stores them.
CJsonPtr project_document(const QVector<ORB_DeviceRecord>& records);

// A password as a project file stores it: Base64 of the cipher text.
QString decode_stored_password(const QString& stored);
QString encode_stored_password(const QString& password);

// {"local_device":[{"ip","sn","active"}…]}: the switches a search result
// marks as the open project's, the first of each address.
CJsonPtr search_device_list(const QVector<ORB_DeviceRecord>& records);
