#include "dialog_watcher.h"

#include "ui/orb_passwd_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

DialogWatcher::DialogWatcher()
{
    connect(&timer, &QTimer::timeout, this, &DialogWatcher::look);
    timer.start(50);
}

void DialogWatcher::look()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        // Clicks are queued: what a click opens must not run inside this
        // timer's slot, where the timer cannot fire again to answer it.
        if (auto* box = qobject_cast<QMessageBox*>(window); box && !box->property("answered").toBool()) {
            if (hold_boxes && hold_boxes())
                continue;
            QAbstractButton* button = box->button(QMessageBox::Ok);
            if (!button && !answers.isEmpty())
                button = box->button(answers.takeFirst());
            if (!button)
                continue;
            box->setProperty("answered", true);
            boxes.append(box->windowTitle() + ": " + box->text());
            box_formats.append(box->textFormat());
            QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
        } else if (auto* files = qobject_cast<QFileDialog*>(window); files && !file_paths.isEmpty()) {
            // selectFile leaves a focused name field as it is: type the path there.
            files->findChild<QLineEdit*>("fileNameEdit")->setText(file_paths.takeFirst());
            QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
        } else if (auto* print = qobject_cast<QPrintDialog*>(window); print && !print_files.isEmpty()) {
            answer_print_dialog(print, print_files.takeFirst());
        } else if (auto* prompt = qobject_cast<ORB_Passwd_Window*>(window);
                   prompt && !passwords.isEmpty() && !prompt->property("answered").toBool()) {
            prompt->setProperty("answered", true);
            prompts.append(prompt->windowTitle());
            prompt->findChild<QLineEdit*>("passwd_text")->setText(passwords.takeFirst());
            QMetaObject::invokeMethod(prompt->findChild<QPushButton*>("confirm_button"), "click", Qt::QueuedConnection);
        }
    }
}

void DialogWatcher::answer_print_dialog(QPrintDialog* dialog, const QString& file)
{
    if (file.isEmpty()) {
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        return;
    }
    // Qt's own dialog offers printing to a PDF file; its name field is what counts.
    if (auto* name = dialog->findChild<QLineEdit*>("filename"))
        name->setText(file);
    dialog->printer()->setOutputFileName(file);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
}

QString DialogWatcher::take_box(int timeout_ms)
{
    return QTest::qWaitFor([this] { return !boxes.isEmpty(); }, timeout_ms) ? boxes.takeFirst() : QString();
}
