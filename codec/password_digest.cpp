#include "password_digest.h"

#include <QCryptographicHash>

QByteArray password_digest(const QString& password)
{
    return QCryptographicHash::hash(password.toLatin1(), QCryptographicHash::Md5).toHex();
}
