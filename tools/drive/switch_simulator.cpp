#include "switch_simulator.h"

#include <algorithm>

#include <QFile>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QTemporaryDir>

SwitchSimulator::SwitchSimulator(const QStringList& arguments)
    : control_socket(arguments.value(arguments.indexOf("--control") + 1))
{
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setReadChannel(QProcess::StandardOutput);
    process.start(SWITCH_SIM_PROGRAM, arguments + QStringList{"--log"});
    while (process.waitForReadyRead(5000)) {
        if (process.readLine().contains("ready")) {
            ready = true;
            break;
        }
    }
    if (!ready)
        qWarning("switch-sim did not start: %s", process.readAllStandardError().constData());
}

SwitchSimulator::~SwitchSimulator()
{
    process.kill();
    process.waitForFinished(3000);
}

QList<QJsonObject> SwitchSimulator::requests()
{
    process.waitForReadyRead(200);
    while (process.canReadLine())
        received.append(QJsonDocument::fromJson(process.readLine()).object());
    return received;
}

int SwitchSimulator::requests_with(const QStringList& texts)
{
    int count = 0;
    for (const QJsonObject& request : requests()) {
        const QString text = request["text"].toString();
        count += std::all_of(texts.begin(), texts.end(), [&](const QString& part) { return text.contains(part); });
    }
    return count;
}

QList<QJsonObject> SwitchSimulator::asked(const QString& callcmd)
{
    QList<QJsonObject> found;
    for (const QJsonObject& request : requests()) {
        const QJsonObject data = QJsonDocument::fromJson(request["text"].toString().toUtf8())["data"].toObject();
        if (data["callcmd"] == callcmd)
            found.append(data);
    }
    return found;
}

QString SwitchSimulator::write_fleet(const QTemporaryDir& dir, const QJsonArray& switches, int restart_ms,
                                     int search_spread_ms)
{
    const QString path = dir.filePath("fleet.json");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(QJsonObject{{"restart_ms", restart_ms},
                                         {"search_spread_ms", search_spread_ms},
                                         {"switches", switches}})
                   .toJson());
    return path;
}

bool SwitchSimulator::tell(const QString& command)
{
    QLocalSocket link;
    link.connectToServer(control_socket);
    QByteArray answer = "error: no simulator at " + control_socket.toUtf8();
    if (link.waitForConnected(3000)) {
        link.write(command.toUtf8() + "\n");
        answer.clear();
        while (!answer.endsWith('\n') && link.waitForReadyRead(3000))
            answer += link.readAll();
    }
    if (answer.trimmed() != "ok")
        qWarning("switch-sim answered %s to: %s", answer.trimmed().constData(), qPrintable(command));
    return answer.trimmed() == "ok";
}
