#pragma once
// A small tmpfs mounted for one test, to make writes fail for want of space.
// Needs a private mount namespace (the tests run inside tools/isolated-lan.sh).

#include <QString>

class ScratchFilesystem
{
public:
    ScratchFilesystem(const QString& path, int bytes);
    ~ScratchFilesystem();

    bool is_mounted() const { return mounted; }
    QString path() const { return mount_point; }
    // Takes up every free byte.
    void fill();
    // Takes up all but about bytes (whole pages) of the free space.
    void leave_free(int bytes);

private:
    QString mount_point;
    bool mounted = false;
};
