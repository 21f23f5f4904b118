#include "request_signature.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

QByteArray hmac_sha256(const QByteArray& key, const QByteArray& message)
{
    return QMessageAuthenticationCode::hash(message, key, QCryptographicHash::Sha256);
}

QString compute_signature(const QString& credential, const QString& key, const QString& nonce,
                          const QString& action, const QString& timestamp)
{
    const QByteArray k1 = hmac_sha256(key.toUtf8(), timestamp.toUtf8());
    const QByteArray k2 = hmac_sha256(k1, nonce.toUtf8());
    const QString to_sign = QString(SIGNATURE_SCHEME) + '\n' + credential + '\n' + action;
    return QString::fromLatin1(hmac_sha256(k2, to_sign.toUtf8()).toHex());
}

QString build_authorization(const QString& credential, const QString& key, const QString& action,
                            const QString& timestamp)
{
    const QString nonce = random_text(16);
    return QString("Type=%1,Credential=%2,Nonce=%3,Signature=%4")
        .arg(SIGNATURE_SCHEME, credential, nonce,
             compute_signature(credential, key, nonce, action, timestamp));
}

QString random_text(int length)
{
    QRandomGenerator* random = QRandomGenerator::system();
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i) {
        const quint32 kind = random->bounded(3u);
        if (kind == 0)
            text += QChar('0' + random->bounded(10));
        else if (kind == 1)
            text += QChar('a' + random->bounded(26));
        else
            text += QChar('A' + random->bounded(26));
    }
    return text;
}
