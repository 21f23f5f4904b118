#pragma once
// Keeps a second copy of the program from starting: the first instance holds a
// one-byte shared memory segment for its whole life; a named semaphore makes
// the check-and-create atomic across processes.

#include <QSharedMemory>
#include <QSystemSemaphore>

class ORB_SingleInstanceGuard
{
public:
    ORB_SingleInstanceGuard();

    // True when this process is now the one running instance. The segment
    // stays attached until the guard is destroyed.
    bool take();

private:
    QSystemSemaphore semaphore;
    QSharedMemory memory;
};
