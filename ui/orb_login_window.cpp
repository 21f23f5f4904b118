#include "orb_login_window.h"

#include "projects/device_records.h"
#include "projects/private_files.h"
#include "ui_orb_login_window.h"
#include "ui/window_habits.h"
#include "ui/plain_message.h"

#include <QMessageBox>
#include <QRegularExpression>

namespace {

// A mainland mobile number: "1", a digit from 3 to 9, then nine more digits.
bool is_mobile_number(const QString& text)
{
    static const QRegularExpression rule(QRegularExpression::anchoredPattern("1[3456789]\\d{9}"));
    return rule.match(text).hasMatch();
}

// Only the keys present are applied; the password is stored encrypted.
void fill_remembered_login(Ui::ORB_Login_Window* ui)
{
    const QSettings stored = program_settings();
    if (stored.contains("user"))
        ui->mobile_text->setText(stored.value("user").toString());
    if (stored.contains("passwd"))
        ui->passwd_text->setText(decode_stored_password(stored.value("passwd").toString()));
    if (stored.contains("remember"))
        ui->remember_checkbox->setChecked(stored.value("remember").toBool());
}

} // namespace

ORB_Login_Window::ORB_Login_Window(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::ORB_Login_Window)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    fill_remembered_login(ui);
    answer_keyboard(this, {ui->mobile_text, ui->passwd_text}, [this] { on_login_confirm_button_clicked(); }, [this] { on_login_cancel_button_clicked(); });
    ui->mobile_text->setFocus();
}

ORB_Login_Window::~ORB_Login_Window()
{
    delete ui;
}

void ORB_Login_Window::on_login_confirm_button_clicked()
{
    const auto warn = [this](const QString& title, const QString& text) {
        plain_message(QMessageBox::Warning, this, title, text, QMessageBox::Ok);
    };
    const QString mobile = ui->mobile_text->text();
    const QString passwd = ui->passwd_text->text();
    if (!is_mobile_number(mobile)) {
        warn(tr("Invalid Mobile"), tr("Please enter valid mobile number."));
        return;
    }
    if (passwd.isEmpty()) {
        warn(tr("Invalid Password"), tr("Please enter password."));
        return;
    }
    // Closed (and so freed) only after the receiver's cloud waits are over.
    hide();
    emit confirm_login(mobile, passwd, ui->remember_checkbox->isChecked());
    close();
}

void ORB_Login_Window::on_login_cancel_button_clicked()
{
    close();
}

void ORB_Login_Window::on_passwd_visible_button_clicked()
{
    toggle_password_echo(ui->passwd_text);
}

void ORB_Login_Window::on_register_button_clicked()
{
    hide();
    emit register_button_clicked_signals();
    close();
}

void ORB_Login_Window::on_find_password_button_clicked()
{
    hide();
    emit find_password_button_clicked_signals();
    close();
}
