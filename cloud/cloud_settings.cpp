#include "cloud_settings.h"

#include <QDebug>
#include <QSettings>
#include <QSslCertificate>

ORB_CloudSettings ORB_CloudSettings::load()
{
    QSettings settings("./Settings.ini", QSettings::IniFormat);
    ORB_CloudSettings cloud;
    const QString host = settings.value("cloud_host").toString().trimmed();
    cloud.url = "https://" + (host.isEmpty() ? QString(DEFAULT_HOST) : host) + "/";
    cloud.tls = QSslConfiguration::defaultConfiguration();

    const QString ca_file = settings.value("cloud_ca_file").toString();
    if (!ca_file.isEmpty()) {
        const QList<QSslCertificate> extra = QSslCertificate::fromPath(ca_file, QSsl::Pem);
        if (extra.isEmpty())
            qWarning() << "no CA certificate could be read from" << ca_file;
        cloud.tls.setCaCertificates(cloud.tls.caCertificates() + extra);
    }
    return cloud;
}
