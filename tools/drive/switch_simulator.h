#pragma once
// Runs tools/switch-sim as a child process for a test, with request logging
// on, and reads back what it received.

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>

class QTemporaryDir;

class SwitchSimulator
{
public:
    // Starts the simulator with these arguments and waits until it listens.
    explicit SwitchSimulator(const QStringList& arguments = {});
    ~SwitchSimulator();

    bool is_ready() const { return ready; }

    // Every request received so far: {"ms","wire","text"} per datagram.
    QList<QJsonObject> requests();
    // How many of them hold every one of these texts, as "sn":"A" and
    // "command":"login".
    int requests_with(const QStringList& texts);
    // The "data" of each request of a command ("netcfg", "Security
    // verification"), in order.
    QList<QJsonObject> asked(const QString& callcmd);

    // Sends a command to the control socket this simulator was started with
    // (--control); false, with its answer said, unless it answers "ok".
    bool tell(const QString& command);

    // Writes a fleet file with these switches into dir and returns its path.
    static QString write_fleet(const QTemporaryDir& dir, const QJsonArray& switches, int restart_ms = 8000,
                               int search_spread_ms = 100);

private:
    QProcess process;
    QString control_socket;
    bool ready = false;
    QList<QJsonObject> received;
};
