#include "plain_message.h"

QMessageBox::StandardButton plain_message(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                          const QString& text, QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton default_button)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (default_button != QMessageBox::NoButton)
        box.setDefaultButton(default_button);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
