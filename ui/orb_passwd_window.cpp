#include "orb_passwd_window.h"

#include "ui_orb_passwd_window.h"
#include "ui/window_habits.h"

ORB_Passwd_Window::ORB_Passwd_Window(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::ORB_Passwd_Window)
{
    ui->setupUi(this);
    // Freed however it closes, the title bar included.
    setAttribute(Qt::WA_DeleteOnClose);
    ui->passwd_text->setEchoMode(QLineEdit::Normal);
    answer_keyboard(this, {ui->passwd_text}, [this] { on_confirm_button_clicked(); },
                    [this] { on_cancel_button_clicked(); });
    ui->passwd_text->setFocus();
}

ORB_Passwd_Window::~ORB_Passwd_Window()
{
    delete ui;
}

void ORB_Passwd_Window::set_ip(const QString& address)
{
    ip = address;
}

void ORB_Passwd_Window::set_placeholder(const QString& text)
{
    ui->passwd_text->setPlaceholderText(text);
}

void ORB_Passwd_Window::on_confirm_button_clicked()
{
    if (ui->passwd_text->text().isEmpty())
        return;
    // Closed (and so freed) only after the receiver has taken the password.
    hide();
    emit ready2verify(ip, ui->passwd_text->text());
    close();
}

void ORB_Passwd_Window::on_cancel_button_clicked()
{
    close();
}

void ORB_Passwd_Window::on_passwd_visible_button_clicked()
{
    toggle_password_echo(ui->passwd_text);
}
