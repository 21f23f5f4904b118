#include "reader_priority.h"

#include <QThread>

#ifdef Q_OS_LINUX
#include <pthread.h>
#include <sched.h>
#endif

bool ORB_ReaderPriority::raise()
{
    if (QThread::idealThreadCount() < 2)
        return false;
#ifdef Q_OS_LINUX
    // The lowest real-time priority is above every ordinary thread.
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    return pthread_setschedparam(pthread_self(), SCHED_RR, &param) == 0;
#else
    QThread::currentThread()->setPriority(QThread::TimeCriticalPriority);
#ifdef Q_OS_WIN
    return true;
#else
    return false; // elsewhere Qt cannot tell whether the system took it
#endif
#endif
}

void ORB_ReaderPriority::lower()
{
#ifdef Q_OS_LINUX
    sched_param param{};
    pthread_setschedparam(pthread_self(), SCHED_OTHER, &param);
#else
    QThread::currentThread()->setPriority(QThread::NormalPriority);
#endif
}
