#pragma once
// What every small window of the program does alike: Enter in a field
// confirms and Escape cancels, the eye button shows or hides a password, and
// the window opens titled, fixed in size, application-modal and centred over
// the window it belongs to.

#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>

void answer_keyboard(QWidget* window, std::initializer_list<QLineEdit*> fields, const std::function<void()>& confirm,
                     const std::function<void()>& cancel);

// Normal becomes Password; any other echo mode becomes Normal.
void toggle_password_echo(QLineEdit* field);

void show_modal(QWidget* window, const QString& title, const QWidget* over);
