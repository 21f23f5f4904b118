#include "cloud_account.h"

#include "cloud/orb_conn2server.h"
#include "projects/device_records.h"
#include "projects/private_files.h"
#include "ui/cloud_project_tree.h"
#include "ui/orb_change_mobile_window.h"
#include "ui/orb_change_passwd_window.h"
#include "ui/orb_login_window.h"
#include "ui/orb_register_window.h"
#include "ui/window_habits.h"
#include "ui/window_state.h"
#include "ui/plain_message.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

ORB_CloudAccount::ORB_CloudAccount(Widgets widgets, ORB_WindowState& shared,
                                   std::function<void(const QString&)> show_login_state, ORB_CONN2SERVER* link,
                                   ORB_CloudProjectTree* cloud_tree)
    : ui(widgets)
    , shared(shared)
    , show_login_state(std::move(show_login_state))
    , link(link)
    , cloud_tree(cloud_tree)
{
}

void ORB_CloudAccount::state(const QString& text)
{
    ui.state_text->setText(text);
}

void ORB_CloudAccount::inform(const QString& text)
{
    plain_message(QMessageBox::Information, ui.window, tr("Tips"), text, QMessageBox::Ok);
}

void ORB_CloudAccount::open_account_window()
{
    if (signing_in)
        return;
    if (shared.login_done)
        open_change_password_window();
    else
        open_login_window();
}

void ORB_CloudAccount::open_login_window()
{
    auto* window = new ORB_Login_Window(nullptr);
    show_modal(window, tr("Login"), ui.window);
    QObject::connect(window, &ORB_Login_Window::confirm_login, ui.window,
                     [this](QString mobile, QString password, bool remember) {
                         login_repeatedly(Id::Mobile, mobile, password, remember);
                     });
    QObject::connect(window, &ORB_Login_Window::register_button_clicked_signals, ui.window,
                     [this] { open_register_window(); });
}

void ORB_CloudAccount::open_register_window()
{
    auto* window = new ORB_Register_Window(nullptr);
    show_modal(window, tr("Register"), ui.window);
    QObject::connect(window, &ORB_Register_Window::confirm_register, ui.window,
                     [this](QString mobile, QString code, QString password) {
                         register_account(Id::Mobile, mobile, code, password);
                     });
    QObject::connect(window, &ORB_Register_Window::request_verify_code, ui.window,
                     [this](QString mobile) { send_verify_code(mobile); });
}

void ORB_CloudAccount::open_change_password_window()
{
    auto* window = new ORB_Change_Passwd_Window(nullptr);
    window->set_mobile(ui.account_label->text());
    show_modal(window, tr("Change passwd"), ui.window);
    QObject::connect(window, &ORB_Change_Passwd_Window::confirm_change_passwd, ui.window,
                     [this](QString, QString password) { alter_password(password); });
}

void ORB_CloudAccount::open_change_mobile_window()
{
    auto* window = new ORB_Change_Mobile_Window(nullptr);
    show_modal(window, tr("change mobile"), ui.window);
    QObject::connect(window, &ORB_Change_Mobile_Window::ready2mobile, ui.window,
                     [this](QString mobile, QString code) { alter_mobile(mobile, code); });
    QObject::connect(window, &ORB_Change_Mobile_Window::request_verify_code, ui.window,
                     [this](QString mobile) { send_verify_code(mobile); });
}

void ORB_CloudAccount::login_repeatedly(Id id, const QString& user, const QString& password, bool remember)
{
    // One sign-in at a time: a second confirm while one waits does nothing.
    if (shared.login_done || signing_in)
        return;
    signing_in = true;
    for (int attempt = 0; attempt < shared.login_attempts && !shared.login_done; ++attempt) {
        login(id, user, password, remember);
        // The service's answer stands: a wrong password is not sent again.
        if (link->answered())
            break;
    }
    signing_in = false;
}

void ORB_CloudAccount::login(Id id, const QString& user, const QString& password, bool remember)
{
    state(tr("Logining"));
    const QString held_id = link->uid();
    const QString held_key = link->key();
    // Emptied first, so that only a pair the reply itself brings counts.
    link->set_uid(QString());
    link->set_key(QString());
    if (id == Id::Mobile)
        link->mobile_login(user, password);
    else
        link->email_login(user, password);
    const int code = link->result_code();
    if (code != 0 || link->uid().isEmpty() || link->key().isEmpty()) {
        // A "success" without a whole pair is no sign-in: keep the pair held
        // before, and tell the page how things stand.
        link->set_uid(held_id);
        link->set_key(held_key);
        if (code == 0)
            link->getLogin_uid_key();
        state(code == 20003   ? tr("Login failed unknown user")
              : code == 20004 ? tr("Login failed password error")
              : code == 10002 ? tr("Login Timeout!")
                              : tr("Login failed unknown reason"));
        return;
    }
    shared.login_done = true;
    show_login_state(user);
    remember_login(user, password, remember);
    link->query_device();
    if (link->result_code() == 0)
        cloud_tree->redraw(link->project_tree());
    state(tr("Login successful"));
}

void ORB_CloudAccount::remember_login(const QString& user, const QString& password, bool remember)
{
    QSettings stored = program_settings();
    stored.setValue("user", user);
    stored.setValue("passwd", remember ? encode_stored_password(password) : QString());
    stored.setValue("remember", remember);
}

void ORB_CloudAccount::register_account(Id id, const QString& user, const QString& code, const QString& password)
{
    state(tr("Registering"));
    if (id == Id::Mobile)
        link->mobile_register(user, code, password);
    else
        link->email_register(user, code, password);
    state(link->result_code() == 0 ? tr("register successful") : tr("register failed"));
}

void ORB_CloudAccount::send_verify_code(const QString& mobile)
{
    state(tr("sending verify code"));
    link->send_sms_code(mobile);
    state(link->result_code() == 0 ? tr("sending verify code successful") : tr("sending verify code failed"));
}

void ORB_CloudAccount::alter_mobile(const QString& new_mobile, const QString& code)
{
    if (new_mobile == ui.account_label->text()) {
        inform(tr("changing mobile fail, same mobile number"));
        return;
    }
    link->change_mobile(new_mobile, code);
    switch (link->result_code()) {
    case 0:
        ui.account_label->setText(new_mobile);
        inform(tr("changing mobile successful"));
        program_settings().setValue("user", new_mobile);
        link->query_device();
        if (link->result_code() == 0)
            cloud_tree->redraw(link->project_tree());
        break;
    case 1005:
        inform(tr("VerifyCode Error."));
        break;
    case 20009:
        inform(tr("phone mobile has been bound"));
        break;
    default:
        inform(tr("changing mobile failed"));
    }
}

void ORB_CloudAccount::alter_password(const QString& new_password)
{
    link->change_password(new_password);
    if (link->result_code() != 0) {
        inform(tr("changing password failed"));
        return;
    }
    inform(tr("changing password successful"));
    QSettings stored = program_settings();
    stored.setValue("passwd", QString());
    stored.setValue("remember", false);
}

void ORB_CloudAccount::delete_account()
{
    if (plain_message(QMessageBox::Question, ui.window, tr("Confirm account cancellation"),
                              tr("Are you sure you want to close your account? This will not be undone."),
                              QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    link->delete_account();
    if (link->result_code() != 0)
        return;
    // The account is gone, and so must be the password remembered for it.
    QSettings stored = program_settings();
    stored.remove("passwd");
    stored.remove("remember");
    inform(tr("Account delete successful"));
    QCoreApplication::quit();
}
