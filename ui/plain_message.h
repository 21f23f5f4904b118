#pragma once
// A message box that shows its text as typed. Names, serial numbers,
// addresses and models come from switches on the LAN, and messages from the
// cloud service: a box that guessed rich text would render them as markup.

#include <QMessageBox>
#include <QString>

class QWidget;

QMessageBox::StandardButton plain_message(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                          const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                          QMessageBox::StandardButton default_button = QMessageBox::NoButton);
