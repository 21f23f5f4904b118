#include "orb_change_passwd_email_window.h"

#include "ui_orb_change_passwd_email_window.h"
#include "ui/window_habits.h"


ORB_Change_Passwd_Email_Window::ORB_Change_Passwd_Email_Window(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::ORB_Change_Passwd_Email_Window)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    answer_keyboard(this, {ui->passwd_text, ui->re_passwd_text}, [this] { on_confirm_button_clicked(); }, [this] { on_cancel_button_clicked(); });
    ui->passwd_text->setFocus();
}

ORB_Change_Passwd_Email_Window::~ORB_Change_Passwd_Email_Window()
{
    delete ui;
}

void ORB_Change_Passwd_Email_Window::on_passwd_visible_button_clicked()
{
    toggle_password_echo(ui->passwd_text);
}

void ORB_Change_Passwd_Email_Window::on_re_passwd_visible_button_clicked()
{
    toggle_password_echo(ui->re_passwd_text);
}

// Invalid input is ignored without a message.
void ORB_Change_Passwd_Email_Window::on_confirm_button_clicked()
{
    const QString passwd = ui->passwd_text->text();
    if (passwd.isEmpty() || passwd != ui->re_passwd_text->text())
        return;
    // Closed (and so freed) only after the receiver's cloud waits and
    // message boxes are over.
    hide();
    emit confirm_change_passwd(passwd);
    close();
}

void ORB_Change_Passwd_Email_Window::on_cancel_button_clicked()
{
    close();
}
