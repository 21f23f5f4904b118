#pragma once
// Ends the program the ordinary way when the session ends it: SIGTERM at
// logout, SIGINT from Ctrl-C in a terminal, SIGHUP when the terminal goes
// away. The event loop then returns with 0 and the window, as it is
// destroyed, empties the per-run device list, which holds plain passwords.
// On Windows a GUI program gets no such signals: logging off closes its
// windows through Qt, which ends the event loop the same way.

#include <QObject>

class QSocketNotifier;

class ORB_QuitSignals : public QObject
{
    Q_OBJECT

public:
    explicit ORB_QuitSignals(QObject* parent = nullptr);

private:
    void received();

    QSocketNotifier* notifier = nullptr;
};
