#include "change_journal.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSysInfo>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h> // _commit: the CRT's counterpart of fsync
#endif

namespace {

// Local time with its offset from UTC, to the millisecond; "+00:00", not
// "Z", where local time is UTC.
QString local_time_text()
{
    const QDateTime now = QDateTime::currentDateTime();
    const int offset_minutes = now.offsetFromUtc() / 60;
    return now.toString("yyyy-MM-ddTHH:mm:ss.zzz") + (offset_minutes < 0 ? '-' : '+')
        + QString("%1:%2").arg(qAbs(offset_minutes) / 60, 2, 10, QChar('0')).arg(qAbs(offset_minutes) % 60, 2, 10,
                                                                                 QChar('0'));
}

QString user_name()
{
    for (const char* variable : {"USER", "USERNAME"})
        if (const QString user = qEnvironmentVariable(variable); !user.isEmpty())
            return user;
    return QDir::home().dirName();
}

// A rolled file's number, from "name.jsonl.N"; 0 for any other file.
int rolled_number(const QString& file_name, const QString& base_name)
{
    if (!file_name.startsWith(base_name + '.'))
        return 0;
    bool number = false;
    const int n = file_name.mid(base_name.size() + 1).toInt(&number);
    return number ? n : 0;
}

// The highest number among the rolled files of the journal file at path.
int last_rolled(const QString& path)
{
    const QFileInfo current(path);
    int last = 0;
    for (const QString& name : current.dir().entryList({current.fileName() + ".*"}, QDir::Files))
        last = qMax(last, rolled_number(name, current.fileName()));
    return last;
}

} // namespace

ORB_ChangeJournal::ORB_ChangeJournal(const QString& folder, ProjectName project_name, QObject* parent)
    : QObject(parent)
    , folder(folder)
    , project_name(std::move(project_name))
{
}

QString ORB_ChangeJournal::default_folder()
{
    return QDir::currentPath() + "/log/journal";
}

QString ORB_ChangeJournal::file_for(const QString& project) const
{
    // Percent-encoded: any project name is one plain file name.
    return project.isEmpty() ? folder + "/no-project.jsonl"
                             : folder + "/projects/" + QString::fromLatin1(QUrl::toPercentEncoding(project))
            + ".jsonl";
}

QStringList ORB_ChangeJournal::files_for(const QString& project) const
{
    const QFileInfo current(file_for(project));
    QMap<int, QString> rolled;
    for (const QString& name : current.dir().entryList({current.fileName() + ".*"}, QDir::Files))
        if (const int n = rolled_number(name, current.fileName()); n > 0)
            rolled.insert(n, current.dir().filePath(name));
    QStringList files = rolled.values();
    if (current.exists())
        files.append(current.filePath());
    return files;
}

QString ORB_ChangeJournal::asked(QJsonObject entry)
{
    const QString id = QString::number(QDateTime::currentMSecsSinceEpoch(), 36) + '-' + QString::number(++next_id);
    entry.insert("id", id);
    entry.insert("phase", "asked");
    return write(entry, true) ? id : QString();
}

void ORB_ChangeJournal::answered(QJsonObject asked, const QString& outcome, const QString& reason)
{
    asked.insert("phase", outcome);
    if (!reason.isEmpty())
        asked.insert("reason", reason);
    write(asked, false);
}

bool ORB_ChangeJournal::note(QJsonObject entry)
{
    return write(entry, false);
}

bool ORB_ChangeJournal::write(QJsonObject entry, bool sync)
{
    entry.insert("time", local_time_text());
    entry.insert("user", user_name());
    entry.insert("host", QSysInfo::machineHostName());
    QByteArray line = QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n';
    if (!open_for(file_for(project_name()), line.size() + 1))
        return false;
    // A line cut by a power loss or a failed write is ended first, so it
    // stays a line of its own.
    if (cut_line)
        line.prepend('\n');
    // Unbuffered: the line reaches the system in one call, and a full disk
    // says so here, not at some later flush.
    if (file.write(line) != line.size()) {
        cut_line = true;
        failed(file.errorString());
        return false;
    }
    cut_line = false;
    if (sync && !sync_to_disk())
        return false;
    last_problem.clear();
    failure_said = false;
    return true;
}

bool ORB_ChangeJournal::open_for(const QString& path, qint64 line_size)
{
    if (file.isOpen() && file.fileName() == path && file.size() + line_size <= ROLL_BYTES)
        return true;
    file.close();
    if (QFileInfo(path).size() > 0 && QFileInfo(path).size() + line_size > ROLL_BYTES)
        roll(path);
    if (!QDir().mkpath(QFileInfo(path).path())) {
        failed(tr("the folder %1 cannot be made").arg(QFileInfo(path).path()));
        return false;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        failed(file.errorString());
        return false;
    }
    // Outside the program's umask too: the journal names the user's switches
    // and PC. On Windows this touches only the read-only flag; the file
    // stays in the user's own profile, closed to other users.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // A file that ends inside a line was cut by a power loss.
    if (file.size() > 0) {
        QFile reading(path);
        cut_line = !reading.open(QIODevice::ReadOnly) || !reading.seek(file.size() - 1)
            || reading.read(1) != "\n";
    }
    return true;
}

void ORB_ChangeJournal::roll(const QString& path)
{
    QFile::rename(path, path + '.' + QString::number(last_rolled(path) + 1));
}

bool ORB_ChangeJournal::sync_to_disk()
{
    QElapsedTimer timer;
    timer.start();
#ifdef Q_OS_UNIX
    const bool synced = ::fsync(file.handle()) == 0;
#elif defined(Q_OS_WIN)
    const bool synced = ::_commit(file.handle()) == 0;
#else
    const bool synced = true; // no portable sync: the write reached the system
#endif
    sync_us.append(timer.nsecsElapsed() / 1000);
    if (!synced)
        failed(tr("the journal could not be written to disk (%1)").arg(QString::fromLocal8Bit(strerror(errno))));
    return synced;
}

void ORB_ChangeJournal::failed(const QString& reason)
{
    last_problem = reason;
    if (!failure_said) {
        failure_said = true;
        emit write_failed(reason);
    }
}

ORB_JournalReading ORB_ChangeJournal::read() const
{
    ORB_JournalReading reading;
    for (const QString& path : files_for(project_name())) {
        QFile part(path);
        if (part.open(QIODevice::ReadOnly))
            reading.add(part.readAll());
    }
    return reading;
}

void ORB_ChangeJournal::copy_history(const QString& from_project, const QString& to_project) const
{
    const QString target = file_for(to_project);
    QDir().mkpath(QFileInfo(target).path());
    int last = last_rolled(target);
    for (const QString& path : files_for(from_project))
        QFile::copy(path, target + '.' + QString::number(++last));
}
