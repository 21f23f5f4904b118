#pragma once
// The modal window that sets a new password for a cloud account signed in
// with an e-mail address; the password is entered twice.

#include <QMainWindow>
#include <QString>

namespace Ui {
class ORB_Change_Passwd_Email_Window;
}

class ORB_Change_Passwd_Email_Window : public QMainWindow
{
    Q_OBJECT

public:
    explicit ORB_Change_Passwd_Email_Window(QWidget* parent = nullptr);
    ~ORB_Change_Passwd_Email_Window() override;

signals:
    void confirm_change_passwd(QString new_passwd);

private slots:
    void on_passwd_visible_button_clicked();
    void on_re_passwd_visible_button_clicked();
    void on_confirm_button_clicked();
    void on_cancel_button_clicked();

private:
    Ui::ORB_Change_Passwd_Email_Window* ui;
};
