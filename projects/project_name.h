#pragma once
// A project's name becomes a file name under config/. Only names that stay a
// plain file there are used to read, write or delete a project file.

#include <QString>

class ORB_ProjectName
{
public:
    // Why name cannot be a project's file name, translated; empty when it can.
    static QString problem(const QString& name);
    // <cwd>/config/<name>.json
    static QString file_path(const QString& name);
    static QString config_folder();
    static QString device_list_path();
};
