#pragma once
// What a journal file holds, read line by line: every whole JSON object in
// the order it was written. A line that is not one (cut by a power loss,
// garbage) is set aside: left where it is in the file and counted, while the
// lines around it are read.

#include <QByteArray>
#include <QJsonObject>
#include <QVector>

struct ORB_JournalReading
{
    QVector<QJsonObject> entries; // oldest first
    int set_aside = 0;

    void add(const QByteArray& bytes);
};
