#include "window_habits.h"

#include <QShortcut>

void answer_keyboard(QWidget* window, std::initializer_list<QLineEdit*> fields, const std::function<void()>& confirm,
                     const std::function<void()>& cancel)
{
    for (QLineEdit* field : fields)
        QObject::connect(field, &QLineEdit::returnPressed, window, confirm);
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), window), &QShortcut::activated, window, cancel);
}

void toggle_password_echo(QLineEdit* field)
{
    field->setEchoMode(field->echoMode() == QLineEdit::Normal ? QLineEdit::Password : QLineEdit::Normal);
}

void show_modal(QWidget* window, const QString& title, const QWidget* over)
{
    window->setWindowTitle(title);
    window->setFixedSize(window->size());
    window->setWindowModality(Qt::ApplicationModal);
    window->move(over->geometry().center() - window->rect().center());
    window->show();
}
