#include "scratch_filesystem.h"

#include <QDir>
#include <QFile>
#include <QProcess>

ScratchFilesystem::ScratchFilesystem(const QString& path, int bytes)
    : mount_point(path)
{
    QDir().mkpath(path);
    mounted = QProcess::execute("mount", {"-t", "tmpfs", "-o", QString("size=%1").arg(bytes), "tmpfs", path}) == 0;
}

ScratchFilesystem::~ScratchFilesystem()
{
    if (mounted)
        QProcess::execute("umount", {mount_point});
}

void ScratchFilesystem::fill()
{
    QFile filler(mount_point + "/filler");
    filler.open(QIODevice::WriteOnly);
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
}

void ScratchFilesystem::leave_free(int bytes)
{
    fill();
    QFile filler(mount_point + "/filler");
    filler.resize(qMax<qint64>(0, filler.size() - bytes));
}
