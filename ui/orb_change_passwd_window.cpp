#include "orb_change_passwd_window.h"

#include "ui_orb_change_passwd_window.h"
#include "ui/window_habits.h"

#include <QRegularExpression>

namespace {

// Any 11 ASCII digits: no plus sign, spaces or country code.
bool is_mobile_number(const QString& text)
{
    static const QRegularExpression rule(QRegularExpression::anchoredPattern("[0-9]{11}"));
    return rule.match(text).hasMatch();
}


} // namespace

ORB_Change_Passwd_Window::ORB_Change_Passwd_Window(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::ORB_Change_Passwd_Window)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    answer_keyboard(this, {ui->passwd_text, ui->re_passwd_text}, [this] { on_confirm_button_clicked(); }, [this] { on_cancel_button_clicked(); });
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
    toggle_password_echo(ui->passwd_text);
}

void ORB_Change_Passwd_Window::on_re_passwd_visible_button_clicked()
{
    toggle_password_echo(ui->re_passwd_text);
}

void ORB_Change_Passwd_Window::on_cancel_button_clicked()
{
    close();
}
