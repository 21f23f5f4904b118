#include "quit_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal handler may only write: it hands the signal to the event loop
// through this socket pair.
int signal_socket[2] = {-1, -1};

void on_signal(int)
{
    const int saved_errno = errno;
    const char byte = 1;
    const ssize_t written = ::write(signal_socket[0], &byte, 1);
    static_cast<void>(written);
    errno = saved_errno;
}

} // namespace
#endif

ORB_QuitSignals::ORB_QuitSignals(QObject* parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    // Not inherited by the browser or QtWebEngine's helpers.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signal_socket) != 0)
        return;
    notifier = new QSocketNotifier(signal_socket[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &ORB_QuitSignals::received);
    struct sigaction action = {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
#endif
}

void ORB_QuitSignals::received()
{
#ifdef Q_OS_UNIX
    char byte = 0;
    const ssize_t taken = ::read(signal_socket[1], &byte, 1);
    static_cast<void>(taken);
#endif
    QCoreApplication::quit();
}
