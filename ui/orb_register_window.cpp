#include "orb_register_window.h"

#include "ui_orb_register_window.h"
#include "ui/window_habits.h"
#include "ui/plain_message.h"

#include <QMessageBox>
#include <QRegularExpression>

namespace {

constexpr int PASSWD_MIN = 6;
constexpr int PASSWD_MAX = 12;

// A mainland mobile number: "1", a digit from 3 to 9, then nine more digits.
bool is_mobile_number(const QString& text)
{
    static const QRegularExpression rule(QRegularExpression::anchoredPattern("1[3456789]\\d{9}"));
    return rule.match(text).hasMatch();
}


} // namespace

ORB_Register_Window::ORB_Register_Window(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::ORB_Register_Window)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    answer_keyboard(this, {ui->mobile_text, ui->passwd_text, ui->re_passwd_text, ui->verify_code_text}, [this] { on_confirm_button_clicked(); }, [this] { on_cancel_button_clicked(); });
    ui->mobile_text->setFocus();
}

ORB_Register_Window::~ORB_Register_Window()
{
    delete ui;
}

void ORB_Register_Window::on_confirm_button_clicked()
{
    const auto warn = [this](const QString& title, const QString& text) {
        plain_message(QMessageBox::Warning, this, title, text, QMessageBox::Ok);
    };
    const QString mobile = ui->mobile_text->text();
    const QString passwd = ui->passwd_text->text();
    const QString code = ui->verify_code_text->text();
    if (!is_mobile_number(mobile)) {
        warn(tr("Invalid Mobile"), tr("Please enter valid mobile number."));
        return;
    }
    // The service's rule is the length only; any characters are allowed.
    if (passwd.size() < PASSWD_MIN || passwd.size() > PASSWD_MAX) {
        warn(tr("Invalid Password"), tr("Please enter 6~12 digit password."));
        return;
    }
    if (passwd != ui->re_passwd_text->text()) {
        warn(tr("Password Inconsistency"), tr("The two passwords you entered did not match."));
        return;
    }
    if (code.isEmpty()) {
        warn(tr("Tips"), tr("VerifyCode can not be empty."));
        return;
    }
    // Closed (and so freed) only after the receiver's cloud waits are over.
    hide();
    emit confirm_register(mobile, code, passwd);
    close();
}

void ORB_Register_Window::on_verify_code_button_clicked()
{
    const QString mobile = ui->mobile_text->text();
    if (!is_mobile_number(mobile)) {
        plain_message(QMessageBox::Warning, this, tr("Invalid Mobile"), tr("Please enter valid mobile number."), QMessageBox::Ok);
        return;
    }
    // The window stays open for the code; the receiver's wait may free it,
    // so nothing may follow the emit.
    emit request_verify_code(mobile);
}

void ORB_Register_Window::on_passwd_visible_button_clicked()
{
    toggle_password_echo(ui->passwd_text);
}

void ORB_Register_Window::on_re_passwd_visible_button_clicked()
{
    toggle_password_echo(ui->re_passwd_text);
}

void ORB_Register_Window::on_cancel_button_clicked()
{
    close();
}
