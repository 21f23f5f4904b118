#include "whole_file.h"

#include <QSaveFile>

namespace {

// A write the system cuts short says nothing of why; the next one, for the
// rest, fails with the system's reason (a full disk, most often).
bool write_all(QSaveFile* file, const QByteArray& bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 taken = file->write(bytes.constData() + written, bytes.size() - written);
        if (taken <= 0)
            return false;
        written += taken;
    }
    return true;
}

} // namespace

QString ORB_WholeFile::write(const QString& path, const QByteArray& bytes,
                             std::optional<QFileDevice::Permissions> permissions)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (permissions)
        file.setPermissions(*permissions);
    // A short write, or a buffer that cannot be flushed, is a failure that
    // commit() would not notice: it closes the file without looking.
    if (!write_all(&file, bytes) || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? QString() : file.errorString();
}
