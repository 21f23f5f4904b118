#include "sim_control.h"

#include "sim_fleet.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <cstdio>

namespace {

constexpr int WAIT_MS = 3000;

} // namespace

SimControl::SimControl(SimFleet* fleet, QObject* parent)
    : QObject(parent)
    , fleet(fleet)
    , server(new QLocalServer(this))
{
    connect(server, &QLocalServer::newConnection, this, &SimControl::accept);
}

bool SimControl::listen(const QString& path, QString* error)
{
    QLocalServer::removeServer(path); // a socket file left by an earlier run
    if (!server->listen(path)) {
        *error = "cannot listen at " + path + ": " + server->errorString();
        return false;
    }
    return true;
}

void SimControl::accept()
{
    while (QLocalSocket* client = server->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, client, [this, client] {
            while (client->canReadLine()) {
                const QString command = QString::fromUtf8(client->readLine()).trimmed();
                client->write(fleet->control(command).toUtf8() + "\n");
            }
        });
    }
}

int SimControl::send(const QString& path, const QString& command)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(WAIT_MS)) {
        std::fprintf(stderr, "switch-sim: no simulator at %s\n", qPrintable(path));
        return 1;
    }
    socket.write(command.toUtf8() + "\n");
    QByteArray answer;
    while (!answer.endsWith('\n') && socket.waitForReadyRead(WAIT_MS))
        answer += socket.readAll();
    std::fputs(answer.isEmpty() ? "error: no answer\n" : answer.constData(), stdout);
    return answer.trimmed() == "ok" ? 0 : 1;
}
