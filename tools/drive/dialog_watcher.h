#pragma once
// Answers the modal windows a widget test runs into: it records and accepts
// every message box, answers questions with the answers the test queues, and
// fills in and confirms the password prompt, file dialogs and print dialogs
// with the passwords, paths and files it queues. It works from a timer, so it
// also acts while the code under test waits in a nested event loop.

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// The visible top-level window of a class, if any.
template <typename Window> Window* shown_window()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<Window*>(w); found && found->isVisible())
            return found;
    return nullptr;
}

class DialogWatcher : public QObject
{
    Q_OBJECT

public:
    DialogWatcher();

    // Texts of the boxes accepted so far ("<title>: <text>").
    QStringList boxes;
    // How each of those boxes showed its text.
    QList<Qt::TextFormat> box_formats;
    // Titles of the prompts answered so far.
    QStringList prompts;
    // Answers to the next questions (boxes without OK); while empty, they stay open.
    QList<QMessageBox::StandardButton> answers;
    // Passwords for the next prompts; while empty, prompts stay open.
    QStringList passwords;
    // Files to choose in the next file dialogs; while empty, they stay open.
    QStringList file_paths;
    // PDF files the next print dialogs print to; an empty one cancels the
    // dialog. While empty, they stay open.
    QStringList print_files;
    // While it says so, message boxes stay open: a test may let the program
    // do what it does while a box waits for a person.
    std::function<bool()> hold_boxes;

    // Waits for the next box and takes its text ("<title>: <text>"); empty
    // when none came in time.
    QString take_box(int timeout_ms = 15000);

private:
    void look();
    void answer_print_dialog(class QPrintDialog* dialog, const QString& file);

    QTimer timer;
};
