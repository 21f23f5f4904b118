#include "private_files.h"

#include <QDir>
#include <QFile>

QSettings program_settings()
{
    return QSettings("./Settings.ini", QSettings::IniFormat);
}

bool make_private_folder(const QString& path)
{
    return QDir().mkpath(path)
        && QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
