#pragma once
// The simulator's control socket: a local socket at a path of the caller's
// choice, reading one command a line for the fleet and answering each with
// the fleet's reply. send() is the other end, for scripts and the demo.

#include <QObject>
#include <QString>

class QLocalServer;
class SimFleet;

class SimControl : public QObject
{
    Q_OBJECT

public:
    SimControl(SimFleet* fleet, QObject* parent = nullptr);

    bool listen(const QString& path, QString* error);
    // Sends one command to the simulator listening at path and prints its
    // answer; 0 when it said "ok".
    static int send(const QString& path, const QString& command);

private:
    void accept();

    SimFleet* fleet;
    QLocalServer* server;
};
