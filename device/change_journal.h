#pragma once
// The journal of every change the program asks of a switch, as JSON Lines:
// one file for each local project and one for work outside any project,
// under log/journal/. A request is written down twice: "asked" before it
// goes out, synced to disk first, and its outcome ("answered", "refused" with
// the reason, "noAnswer") after, which is flushed and reaches the disk with
// the next sync. An "asked" entry without an outcome is a change whose fate
// is unknown: the program stopped before it heard. No password, stored
// password or cloud key is ever written.
//
// Each entry carries the time (local, with its UTC offset), the PC's user and
// host name. A file past ROLL_BYTES is renamed to a numbered file and a new
// one started: nothing is ever deleted, and reading goes across them all.

#include "device/journal_reading.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class ORB_ChangeJournal : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 ROLL_BYTES = 8 * 1024 * 1024;
    // The open local project's name; empty for work outside any project.
    using ProjectName = std::function<QString()>;

    ORB_ChangeJournal(const QString& folder, ProjectName project_name, QObject* parent = nullptr);

    // ./log/journal, beside log/log.txt.
    static QString default_folder();

    // Writes an "asked" entry and syncs it; its id for the outcome, or empty
    // when it could not be written (problem() says why).
    QString asked(QJsonObject entry);
    // The outcome of an asked entry: named as it ({"kind","id","sn"[,"plan"]}).
    void answered(QJsonObject asked, const QString& outcome, const QString& reason = {});
    // Any other entry (a plan's start, steps and end); false when it could
    // not be written.
    bool note(QJsonObject entry);
    // Why the last write failed; empty when it worked.
    QString problem() const { return last_problem; }

    // The open project's journal (or that of work outside a project), across
    // its rolled files, oldest first.
    ORB_JournalReading read() const;
    // A project saved under a new name takes its history along; the old
    // name's files stay, as its project file does.
    void copy_history(const QString& from_project, const QString& to_project) const;

    // The file a project's newest entries go to.
    QString file_for(const QString& project) const;
    // Every file of a project's journal, oldest first.
    QStringList files_for(const QString& project) const;
    // How long each sync took, in microseconds, for the benchmark.
    const QVector<qint64>& sync_times() const { return sync_us; }

signals:
    // A write failed after writes that worked: said once until one works again.
    void write_failed(QString reason);

private:
    bool write(QJsonObject entry, bool sync);
    bool open_for(const QString& path, qint64 line_size);
    void roll(const QString& path);
    bool sync_to_disk();
    void failed(const QString& reason);

    QString folder;
    ProjectName project_name;
    QFile file;
    bool cut_line = false; // the file may end in a line a failed write cut short
    QString last_problem;
    bool failure_said = false;
    QVector<qint64> sync_us;
    quint64 next_id = 0;
};
