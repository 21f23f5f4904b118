#include "orb_loader.h"

#include "codec/secret_masking.h"
#include "projects/private_files.h"
#include "projects/whole_file.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

// One whole project a line: the log keeps this much, and one older file.
constexpr qint64 LOG_ROTATE_BYTES = 1024 * 1024;

const char* const DEVICE_KEYS[] = {"ip", "sn", "mac", "model", "passwd", "active"};
// What adding and removing devices touch: "active" stays as it was.
const char* const RECORD_KEYS[] = {"sn", "ip", "mac", "model", "passwd"};

} // namespace

ORB_Loader::ORB_Loader(QObject* parent)
    : QObject(parent)
{
}

bool ORB_Loader::load_file(QString path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "open file failed!" << path;
        local_project_config.clear();
        return false;
    }
    local_project_config = QString::fromUtf8(file.readAll().constData());
    return true;
}

cJSON* ORB_Loader::config_root()
{
    if (local_project_config.isEmpty()) {
        qDebug() << "local_project_config is empty!";
        return nullptr;
    }
    return cJSON_Parse(local_project_config.toUtf8().constData());
}

QJsonObject ORB_Loader::to_json_object(cJSON* tree)
{
    return cjson_to_qjson_object(tree);
}

bool ORB_Loader::write_atomically(const QString& path, const QByteArray& bytes)
{
    // The new file replaces whatever the old file allowed.
    const QString problem = ORB_WholeFile::write(path, bytes, PRIVATE_FILE);
    if (!problem.isEmpty())
        qDebug() << "Failed to write file:" << path << problem;
    return problem.isEmpty();
}

bool ORB_Loader::write_json(cJSON* tree, QString path)
{
    return tree && write_atomically(path, cjson_print_pretty(tree));
}

bool ORB_Loader::append_text(QString text, QString path)
{
    rotate_if_full(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append)) {
        qDebug() << "open file failed!" << path;
        return false;
    }
    file.setPermissions(PRIVATE_FILE);
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size() && file.flush();
}

void ORB_Loader::rotate_if_full(const QString& path)
{
    if (QFileInfo(path).size() < LOG_ROTATE_BYTES)
        return;
    const QString older = path + ".1";
    QFile::remove(older);
    QFile::rename(path, older);
}

bool ORB_Loader::reset_device_info(QString path)
{
    QJsonObject empty;
    for (const char* key : DEVICE_KEYS)
        empty.insert(key, QJsonArray());
    return write_atomically(path, QJsonDocument(empty).toJson());
}

QJsonObject ORB_Loader::read_object(const QString& path)
{
    load_file(path);
    const CJsonPtr tree(config_root());
    return to_json_object(tree.get());
}

bool ORB_Loader::add_device(QString ip, QString sn, QString mac, QString model, QString passwd, QString path)
{
    QJsonObject list = read_object(path);
    QJsonArray arrays[5];
    for (int k = 0; k < 5; ++k)
        arrays[k] = list.value(RECORD_KEYS[k]).toArray();
    const int found = arrays[0].toVariantList().indexOf(sn);
    const QString values[5] = {sn, ip, mac, model, passwd};
    for (int k = 0; k < 5; ++k) {
        if (found >= 0 && found < arrays[k].size())
            arrays[k].removeAt(found);
        arrays[k].append(values[k]);
        list.insert(RECORD_KEYS[k], arrays[k]);
    }
    return write_atomically(path, QJsonDocument(list).toJson());
}

bool ORB_Loader::remove_device(int index, QString path)
{
    QJsonObject list = read_object(path);
    qDebug().noquote() << "datas:deletBefore:" << mask_secrets(QJsonDocument(list).toJson());
    if (index < 0 || index >= list.value("ip").toArray().size()) {
        qDebug() << "Invalid index to remove.";
        return false;
    }
    for (const char* key : RECORD_KEYS) {
        QJsonArray array = list.value(key).toArray();
        if (index < array.size())
            array.removeAt(index);
        list.insert(key, array);
    }
    if (!write_atomically(path, QJsonDocument(list).toJson()))
        return false;
    qDebug().noquote() << "Modified JSON data:" << mask_secrets(QJsonDocument(list).toJson());
    return true;
}
