#include "single_instance_guard.h"

ORB_SingleInstanceGuard::ORB_SingleInstanceGuard()
    : semaphore("PCORB_KEY", 1, QSystemSemaphore::Open)
    , memory("PCorb")
{
}

bool ORB_SingleInstanceGuard::take()
{
    if (!semaphore.acquire())
        return false;
    // A process that died without detaching leaves its segment behind. Attaching
    // and detaching again lets the system free a segment that nobody holds any
    // more; one held by a live instance survives and makes create() fail.
    if (memory.attach())
        memory.detach();
    const bool created = memory.create(1);
    semaphore.release();
    return created;
}
