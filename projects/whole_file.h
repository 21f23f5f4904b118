#pragma once
// Writes a file whole or not at all. The bytes go to a temporary file beside
// the target, which replaces it only once every byte is written and flushed:
// on a full disk nothing half-written is left, and an older file of that
// name stays as it was.

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

class ORB_WholeFile
{
public:
    // Empty when the file was written, else the system's reason. The file
    // gets permissions when given, whatever an older one allowed.
    static QString write(const QString& path, const QByteArray& bytes,
                         std::optional<QFileDevice::Permissions> permissions = std::nullopt);
};
