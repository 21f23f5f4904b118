#pragma once
// Reads and writes the local side's JSON files under config/: project files
// (cJSON's formatted print, passwords encrypted) and the per-run device list
// device_info.json (Qt's sorted-key format, plain passwords). Every write goes
// to a temporary file that then replaces the old one, so a failed write
// leaves the previous file as it was.

#include "codec/cjson_util.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

class ORB_Loader : public QObject
{
    Q_OBJECT

public:
    explicit ORB_Loader(QObject* parent = nullptr);

    // Reads the whole file; a failed read leaves nothing to parse.
    bool load_file(QString path);
    // The parsed text of the last file read, owned by the caller; null when
    // nothing was read or it is not JSON.
    cJSON* config_root();
    QJsonObject to_json_object(cJSON* tree);
    bool write_json(cJSON* tree, QString path);
    // Appends to a log file; one of 1 MiB or more first becomes <path>.1.
    bool append_text(QString text, QString path);
    bool reset_device_info(QString path);
    // Records a device; a repeated serial number moves to the end.
    bool add_device(QString ip, QString sn, QString mac, QString model, QString passwd, QString path);
    bool remove_device(int index, QString path);

private:
    QJsonObject read_object(const QString& path);
    bool write_atomically(const QString& path, const QByteArray& bytes);
    void rotate_if_full(const QString& path);

    QString local_project_config;
};
