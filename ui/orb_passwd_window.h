#pragma once
// The small modal window that asks for a switch's password (to log in) or for
// its activation password.

#include <QMainWindow>
#include <QString>

namespace Ui {
class ORB_Passwd_Window;
}

class ORB_Passwd_Window : public QMainWindow
{
    Q_OBJECT

public:
    explicit ORB_Passwd_Window(QWidget* parent = nullptr);
    ~ORB_Passwd_Window() override;

    void set_ip(const QString& address);
    void set_placeholder(const QString& text);

signals:
    void ready2verify(QString ip, QString passwd);

private slots:
    void on_confirm_button_clicked();
    void on_cancel_button_clicked();
    void on_passwd_visible_button_clicked();

private:
    Ui::ORB_Passwd_Window* ui;
    QString ip;
};
