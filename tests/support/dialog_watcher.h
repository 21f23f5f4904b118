#pragma once
// Answers the modal windows a widget test runs into: it records and accepts
// every message box, and fills in and confirms the password prompt with the
// passwords the test queues. It works from a timer, so it also acts while the
// code under test waits in a nested event loop.

#include <QObject>
#include <QStringList>
#include <QTimer>

class DialogWatcher : public QObject
{
    Q_OBJECT

public:
    DialogWatcher();

    // Texts of the boxes accepted so far ("<title>: <text>").
    QStringList boxes;
    // Titles of the prompts answered so far.
    QStringList prompts;
    // Passwords for the next prompts; while empty, prompts stay open.
    QStringList passwords;

private:
    void look();

    QTimer timer;
};
