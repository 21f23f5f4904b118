#include "project_files.h"

#include "codec/cjson_util.h"
#include "device/change_journal.h"
#include "projects/orb_loader.h"
#include "projects/private_files.h"
#include "projects/project_name.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
ORB_ProjectFiles::ORB_ProjectFiles(ORB_Loader* loader)
    : loader(loader)
{
}

QStringList ORB_ProjectFiles::names() const
{
    QDir folder(ORB_ProjectName::config_folder());
    if (!folder.exists())
        make_private_folder(folder.path());
    QStringList names;
    // Project files only: the per-run device list is not a project.
    for (const QString& file : folder.entryList({"*.json"}, QDir::Files, QDir::NoSort))
        if (file != "device_info.json")
            names.append(file.chopped(5)); // the whole name, without ".json"
    return names;
}

void ORB_ProjectFiles::make_open(const QString& name)
{
    opened_name = name;
    program_settings().setValue("filepath", name);
}

ORB_ProjectFiles::Load ORB_ProjectFiles::read(const QString& name, QVector<ORB_DeviceRecord>* records) const
{
    if (!ORB_ProjectName::problem(name).isEmpty() || !loader->load_file(ORB_ProjectName::file_path(name)))
        return Load::Unreadable;
    const CJsonPtr document(loader->config_root());
    if (!document)
        return Load::Unreadable;
    if (!read_device_records(document.get(), records))
        return Load::Broken;
    for (ORB_DeviceRecord& record : *records)
        record.passwd = decode_stored_password(record.passwd);
    return Load::Loaded;
}

QString ORB_ProjectFiles::open_name()
{
    return program_settings().value("filepath").toString();
}

QVector<ORB_DeviceRecord> ORB_ProjectFiles::read_open_project() const
{
    QVector<ORB_DeviceRecord> records;
    const QString name = open_name();
    if (name.isEmpty() || !ORB_ProjectName::problem(name).isEmpty()
        || !loader->load_file(ORB_ProjectName::file_path(name)))
        return records;
    const CJsonPtr document(loader->config_root());
    read_device_records(document.get(), &records);
    for (ORB_DeviceRecord& record : records)
        record.passwd = decode_stored_password(record.passwd);
    return records;
}

bool ORB_ProjectFiles::would_replace(const QString& name) const
{
    return name != opened_name && QFile::exists(ORB_ProjectName::file_path(name));
}

bool ORB_ProjectFiles::save(const QString& name, const QVector<ORB_DeviceRecord>& records, QString* log_line)
{
    if (!ORB_ProjectName::problem(name).isEmpty())
        return false;
    const CJsonPtr document = project_document(records);
    if (!loader->write_json(document.get(), ORB_ProjectName::file_path(name)))
        return false;
    // Renamed: the project takes its history along; the old name's file
    // stays, and so does its journal.
    if (!opened_name.isEmpty() && opened_name != name)
        ORB_ChangeJournal(ORB_ChangeJournal::default_folder(), nullptr).copy_history(opened_name, name);
    make_open(name);
    *log_line = QDateTime::currentDateTime().toString(Qt::TextDate) + " saved Project " + name + ":"
                + QString::fromUtf8(cjson_print(document.get())) + "\n";
    return true;
}

bool ORB_ProjectFiles::log_save(const QString& log_line)
{
    return loader->append_text(log_line, QDir::currentPath() + "/log/log.txt");
}

bool ORB_ProjectFiles::remove(const QString& name)
{
    if (!ORB_ProjectName::problem(name).isEmpty())
        return false;
    const QString path = ORB_ProjectName::file_path(name);
    if (QFile::exists(path) && !QFile::remove(path))
        return false;
    if (name == opened_name)
        opened_name.clear();
    QSettings file = program_settings();
    if (file.value("filepath").toString() == name) // no longer the open project
        file.remove("filepath");
    return true;
}
