#pragma once
// The modal window that registers a new cloud account: mobile number, a
// password entered twice, and the verification code sent to that number.

#include <QMainWindow>
#include <QString>

namespace Ui {
class ORB_Register_Window;
}

class ORB_Register_Window : public QMainWindow
{
    Q_OBJECT

public:
    explicit ORB_Register_Window(QWidget* parent = nullptr);
    ~ORB_Register_Window() override;

signals:
    void confirm_register(QString mobile, QString code, QString passwd);
    void request_verify_code(QString mobile);

private slots:
    void on_confirm_button_clicked();
    void on_verify_code_button_clicked();
    void on_passwd_visible_button_clicked();
    void on_re_passwd_visible_button_clicked();
    void on_cancel_button_clicked();

private:
    Ui::ORB_Register_Window* ui;
};
