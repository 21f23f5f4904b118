#pragma once
// Runs tools/cloud-sim as a child process for a test, over HTTPS on
// 127.0.0.1 with a throw-away certificate authority.

#include <QJsonObject>
#include <QProcess>
#include <QSslConfiguration>
#include <QString>
#include <QStringList>

class CloudSimulator
{
public:
    // Makes ca.pem, server.pem and server-key.pem in dir.
    static bool make_certificates(const QString& dir);

    CloudSimulator(const QString& certificate_dir, const QString& seed_file);
    ~CloudSimulator();

    bool is_ready() const { return port > 0; }
    QString host() const { return QString("127.0.0.1:%1").arg(port); }
    QString url() const { return QString("https://%1/").arg(host()); }

    // Lines of the service's log so far ("<Action> <path> -> ok|<code>", codes).
    QStringList log();
    // The last verification code the service sent to a mobile number or address.
    QString code_for(const QString& target);
    // Points ./Settings.ini at this service, trusting the test authority.
    void point_settings_here(const QString& certificate_dir) const;
    // Sets how the next requests are answered (see docs/cloud-service.md).
    bool set_knob(const QJsonObject& knob);

private:
    bool post_control(const QString& path, const QJsonObject& order);

    QProcess process;
    int port = -1;
    QStringList lines;
    QSslConfiguration tls;
};
