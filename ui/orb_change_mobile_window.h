#pragma once
// The modal window that moves the cloud account to a new mobile number,
// confirmed by the verification code sent to that number.

#include <QMainWindow>
#include <QString>

namespace Ui {
class ORB_Change_Mobile_Window;
}

class ORB_Change_Mobile_Window : public QMainWindow
{
    Q_OBJECT

public:
    explicit ORB_Change_Mobile_Window(QWidget* parent = nullptr);
    ~ORB_Change_Mobile_Window() override;

signals:
    void ready2mobile(QString new_mobile, QString code);
    void request_verify_code(QString mobile);

private slots:
    void on_confirm_button_clicked();
    void on_cancel_button_clicked();
    void on_verify_code_button_clicked();

private:
    Ui::ORB_Change_Mobile_Window* ui;
};
