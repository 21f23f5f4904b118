#pragma once
// The local projects' files under config/: which exist, reading, writing and
// deleting one, and which one is open: the name ./Settings.ini keeps under
// "filepath", and the file the shown project was loaded from or last saved
// as. Records carry passwords plain; files keep them obfuscated.

#include "projects/device_records.h"

#include <QString>
#include <QStringList>
#include <QVector>

class ORB_Loader;

class ORB_ProjectFiles
{
public:
    enum class Load { Unreadable, Broken, Loaded };

    explicit ORB_ProjectFiles(ORB_Loader* loader);

    // The projects' names, without ".json"; the folder is made when missing.
    QStringList names() const;
    // Reads name's file into records when Loaded; Unreadable also for a name
    // with a problem (ORB_ProjectName), which no file is read, written or
    // deleted for. Nothing changes: make_open then makes it the open project.
    Load read(const QString& name, QVector<ORB_DeviceRecord>* records) const;
    void make_open(const QString& name);
    // The switches in the open project's file; none when it cannot be read.
    QVector<ORB_DeviceRecord> read_open_project() const;
    static QString open_name();
    // Whether saving under name would replace the file of another project
    // than the one the shown project came from.
    bool would_replace(const QString& name) const;
    // Writes the file and makes name the open project; log_line is then the
    // note of the save for log_save.
    bool save(const QString& name, const QVector<ORB_DeviceRecord>& records, QString* log_line);
    // Appends a note to log/log.txt.
    bool log_save(const QString& log_line);
    // Deletes name's file; it is no longer the open project. False, and
    // nothing changed, when the file stays.
    bool remove(const QString& name);
    // The shown project is a new one, from no file.
    void forget_opened() { opened_name.clear(); }

private:
    ORB_Loader* loader;
    // The file the shown project was loaded from or last saved as; "" for a
    // new project, whatever open_name() says.
    QString opened_name;
};
