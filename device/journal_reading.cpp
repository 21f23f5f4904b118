#include "journal_reading.h"

#include <QJsonDocument>
#include <QJsonParseError>

void ORB_JournalReading::add(const QByteArray& bytes)
{
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        if (error.error == QJsonParseError::NoError && document.isObject())
            entries.append(document.object());
        else
            ++set_aside;
    }
}
