#include "orb_change_passwd_window.h"

#include "ui_orb_change_passwd_window.h"

#include <QKeySequence>
#include <QRegularExpression>
#include <QShortcut>

namespace {

// Any 11 ASCII digits: no plus sign, spaces or country code.
bool is_mobile_number(const QString& text)
{
    static const QRegularExpression rule(QRegularExpression::anchoredPattern("[0-9]{11}"));
    return rule.match(text).hasMatch();
}

void toggle_echo(QLineEdit* field)
{
    field->setEchoMode(field->echoMode() == QLineEdit::Normal ? QLineEdit::Password : QLineEdit::Normal);
}

} // namespace

ORB_Change_Passwd_Window::ORB_Change_Passwd_Window(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::ORB_Change_Passwd_Window)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    for (QLineEdit* field : {ui->passwd_text, ui->re_passwd_text})
        connect(field, &QLineEdit::returnPressed, this, &ORB_Change_Passwd_Window::on_confirm_button_clicked);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &ORB_Change_Passwd_Window::on_cancel_button_clicked);
    ui->passwd_text->setFocus();
}

ORB_Change_Passwd_Window::~ORB_Change_Passwd_Window()
{
    delete ui;
}

void ORB_Change_Passwd_Window::set_mobile(const QString& number)
{
    mobile = number;
}

// Invalid input is ignored without a message. An account known by anything
// but a mobile number (an e-mail address) never passes here.
void ORB_Change_Passwd_Window::on_confirm_button_clicked()
{
    const QString passwd = ui->passwd_text->text();
    if (!is_mobile_number(mobile) || passwd.isEmpty() || passwd != ui->re_passwd_text->text())
        return;
    // Closed (and so freed) only after the receiver's cloud waits and
    // message boxes are over.
    hide();
    emit confirm_change_passwd(mobile, passwd);
    close();
}

void ORB_Change_Passwd_Window::on_passwd_visible_button_clicked()
{
    toggle_echo(ui->passwd_text);
}

void ORB_Change_Passwd_Window::on_re_passwd_visible_button_clicked()
{
    toggle_echo(ui->re_passwd_text);
}

void ORB_Change_Passwd_Window::on_cancel_button_clicked()
{
    close();
}
