#include "cloud_simulator.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSettings>
#include <QSslCertificate>

bool CloudSimulator::make_certificates(const QString& dir)
{
    return QProcess::execute(CLOUD_SIM_CERT_SCRIPT, {dir}) == 0;
}

CloudSimulator::CloudSimulator(const QString& certificate_dir, const QString& seed_file)
{
    tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(certificate_dir + "/ca.pem"));
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(CLOUD_SIM_PROGRAM, {"--cert", certificate_dir + "/server.pem", "--key",
                                      certificate_dir + "/server-key.pem", "--seed", seed_file});
    static const QRegularExpression ready("listening on https://127.0.0.1:(\\d+)/ ready");
    while (process.waitForReadyRead(5000)) {
        const QRegularExpressionMatch m = ready.match(QString::fromUtf8(process.readLine()));
        if (m.hasMatch()) {
            port = m.captured(1).toInt();
            break;
        }
    }
}

CloudSimulator::~CloudSimulator()
{
    process.kill();
    process.waitForFinished(3000);
}

QStringList CloudSimulator::log()
{
    process.waitForReadyRead(100);
    while (process.canReadLine())
        lines.append(QString::fromUtf8(process.readLine()).trimmed());
    return lines;
}

QString CloudSimulator::code_for(const QString& target)
{
    const QString prefix = "verification code for " + target + ": ";
    const QStringList all = log();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (it->startsWith(prefix))
            return it->mid(prefix.size());
    return QString();
}

void CloudSimulator::point_settings_here(const QString& certificate_dir) const
{
    QSettings settings("./Settings.ini", QSettings::IniFormat);
    settings.setValue("cloud_host", host());
    settings.setValue("cloud_ca_file", certificate_dir + "/ca.pem");
}

bool CloudSimulator::set_knob(const QJsonObject& knob)
{
    return post_control("_control", knob);
}

bool CloudSimulator::post_control(const QString& path, const QJsonObject& order)
{
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(url() + path));
    request.setSslConfiguration(tls);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    QNetworkReply* reply = network.post(request, QJsonDocument(order).toJson());
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    return reply->error() == QNetworkReply::NoError;
}
