#include "project_name.h"

#include <QCoreApplication>
#include <QDir>

QString ORB_ProjectName::problem(const QString& name)
{
    const auto tr = [](const char* text) { return QCoreApplication::translate("ORB_ProjectName", text); };
    if (name.trimmed().isEmpty())
        return tr("the project name is empty");
    if (name.startsWith('.') || name.contains(".."))
        return tr("a project name cannot begin with \".\" or contain \"..\"");
    if (name == "device_info")
        return tr("\"device_info\" is reserved for the device list");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || QString("/\\:*?\"<>|").contains(c))
            return tr("a project name cannot contain / \\ : * ? \" < > | or control characters");
    }
    return QString();
}

QString ORB_ProjectName::config_folder()
{
    return QDir::currentPath() + "/config";
}

QString ORB_ProjectName::file_path(const QString& name)
{
    return config_folder() + "/" + name + ".json";
}

QString ORB_ProjectName::device_list_path()
{
    return config_folder() + "/device_info.json";
}
