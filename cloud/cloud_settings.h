#pragma once
// Where the cloud service is, from ./Settings.ini: "cloud_host" (host, or
// host:port) and "cloud_ca_file", an extra trusted CA certificate (PEM) for a
// private or test cloud. Certificate checks always stay on.

#include <QSslConfiguration>
#include <QString>

class ORB_CloudSettings
{
public:
    static constexpr char DEFAULT_HOST[] = "cloud.corvaneiot.com";

    // Reads the settings file afresh.
    static ORB_CloudSettings load();

    QString url;                 // "https://<host>/"
    QSslConfiguration tls;       // the system's trust store, plus the extra CA
};
