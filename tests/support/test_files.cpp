#include "tests/support/test_files.h"

#include <QFile>
#include <QJsonDocument>
#include <QTextDocument>
#include <QTextDocumentFragment>

QByteArray read_file(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject read_json_object(const QString& path)
{
    return QJsonDocument::fromJson(read_file(path)).object();
}

bool write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList DebugCapture::lines;

DebugCapture::DebugCapture()
{
    lines.clear();
    previous = qInstallMessageHandler(keep);
}

DebugCapture::~DebugCapture()
{
    qInstallMessageHandler(previous);
}

void DebugCapture::keep(QtMsgType, const QMessageLogContext&, const QString& line)
{
    lines.append(line);
}

QString shown_tooltip(const QString& tooltip)
{
    return Qt::mightBeRichText(tooltip) ? QTextDocumentFragment::fromHtml(tooltip).toPlainText() : tooltip;
}
