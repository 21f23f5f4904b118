#pragma once
// Small file and log helpers the tests share.

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QtGlobal>

QByteArray read_file(const QString& path);
QJsonObject read_json_object(const QString& path);
bool write_file(const QString& path, const QByteArray& bytes);
// A tooltip's text as a person reads it, whether Qt takes it for rich text or not.
QString shown_tooltip(const QString& tooltip);

// Keeps the debug output while it lives, even when a check fails early.
class DebugCapture
{
public:
    DebugCapture();
    ~DebugCapture();
    QString text() const { return lines.join('\n'); }

private:
    static void keep(QtMsgType, const QMessageLogContext&, const QString& line);
    static QStringList lines;
    QtMessageHandler previous;
};
