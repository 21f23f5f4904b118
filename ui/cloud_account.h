#pragma once
// The cloud mode's account side: sign-in (by mobile number or e-mail),
// registration and verification codes, the remembered sign-in in
// ./Settings.ini, and the account settings (mobile number, password, closing
// the account). Results of sign-in and registration go to the state line;
// those of the account settings to message boxes. Texts belong to the
// window's translation context.

#include <QCoreApplication>
#include <QString>

#include <functional>

class ORB_CloudProjectTree;
class ORB_CONN2SERVER;
struct ORB_WindowState;
class QLabel;
class QLineEdit;
class QWidget;

class ORB_CloudAccount
{
    Q_DECLARE_TR_FUNCTIONS(ORB_Window)

public:
    struct Widgets
    {
        QWidget* window;
        QLabel* account_label;
        QLineEdit* state_text;
    };
    enum class Id { Mobile, Email };

    // show_login_state redraws the account bar for the sign-in state and a name.
    ORB_CloudAccount(Widgets widgets, ORB_WindowState& shared, std::function<void(const QString&)> show_login_state,
                     ORB_CONN2SERVER* link, ORB_CloudProjectTree* cloud_tree);

    // The account button: the sign-in window while signed out, else the
    // change-password window.
    void open_account_window();
    void open_change_mobile_window();

    // Tries again only when the service did not answer.
    void login_repeatedly(Id id, const QString& user, const QString& password, bool remember);
    void login(Id id, const QString& user, const QString& password, bool remember);
    void register_account(Id id, const QString& user, const QString& code, const QString& password);
    void send_verify_code(const QString& mobile);

    void alter_mobile(const QString& new_mobile, const QString& code);
    void alter_password(const QString& new_password);
    void delete_account();

private:
    void open_login_window();
    void open_register_window();
    void open_change_password_window();
    void remember_login(const QString& user, const QString& password, bool remember);
    void state(const QString& text);
    void inform(const QString& text);

    Widgets ui;
    ORB_WindowState& shared;
    std::function<void(const QString&)> show_login_state;
    ORB_CONN2SERVER* link;
    ORB_CloudProjectTree* cloud_tree;
    bool signing_in = false;
};
