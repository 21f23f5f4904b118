#pragma once
// The modal sign-in window of the cloud account: mobile number, password and
// whether to remember them, pre-filled from the last remembered sign-in.

#include <QMainWindow>
#include <QString>

namespace Ui {
class ORB_Login_Window;
}

class ORB_Login_Window : public QMainWindow
{
    Q_OBJECT

public:
    explicit ORB_Login_Window(QWidget* parent = nullptr);
    ~ORB_Login_Window() override;

signals:
    void confirm_login(QString mobile, QString passwd, bool remember);
    void register_button_clicked_signals();
    void find_password_button_clicked_signals();

private slots:
    void on_login_confirm_button_clicked();
    void on_login_cancel_button_clicked();
    void on_passwd_visible_button_clicked();
    void on_register_button_clicked();
    void on_find_password_button_clicked();

private:
    Ui::ORB_Login_Window* ui;
};
