#pragma once
// What the cloud is sent in place of a password: MD5 of its Latin-1 bytes
// (characters outside Latin-1 become '?'), as 32 lower-case hexadecimal digits.

#include <QByteArray>
#include <QString>

QByteArray password_digest(const QString& password);
