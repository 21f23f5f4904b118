#include "socket_drops.h"

#ifdef Q_OS_LINUX
#include <linux/sock_diag.h>
#include <sys/socket.h>
#endif

std::optional<quint64> ORB_SocketDrops::count(qintptr descriptor)
{
#ifdef Q_OS_LINUX
    quint32 meminfo[SK_MEMINFO_VARS] = {};
    socklen_t size = sizeof meminfo;
    if (descriptor < 0 || getsockopt(int(descriptor), SOL_SOCKET, SO_MEMINFO, meminfo, &size) != 0
        || size <= socklen_t(SK_MEMINFO_DROPS * sizeof(quint32)))
        return std::nullopt;
    return meminfo[SK_MEMINFO_DROPS];
#else
    // Winsock and the BSDs keep no count per socket that a program can read;
    // there the reader's own overflow is all that is known.
    Q_UNUSED(descriptor);
    return std::nullopt;
#endif
}
