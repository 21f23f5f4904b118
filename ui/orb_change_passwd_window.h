#pragma once
// The modal window that sets a new password for the cloud account signed in
// with a mobile number; the password is entered twice.

#include <QMainWindow>
#include <QString>

namespace Ui {
class ORB_Change_Passwd_Window;
}

class ORB_Change_Passwd_Window : public QMainWindow
{
    Q_OBJECT

public:
    explicit ORB_Change_Passwd_Window(QWidget* parent = nullptr);
    ~ORB_Change_Passwd_Window() override;

    // The signed-in account's number; set before the window is shown.
    void set_mobile(const QString& number);

signals:
    void errmsg(QString err);
    void confirm_change_passwd(QString mobile, QString new_passwd);

private slots:
    void on_confirm_button_clicked();
    void on_passwd_visible_button_clicked();
    void on_re_passwd_visible_button_clicked();
    void on_cancel_button_clicked();

private:
    Ui::ORB_Change_Passwd_Window* ui;
    QString mobile;
};
