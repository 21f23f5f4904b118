#pragma once
// The small modal window that asks for one switch of a cloud project: its
// serial number, name and device password.

#include <QMainWindow>
#include <QString>

namespace Ui {
class ORB_Server_New_Device_Window;
}

class ORB_Server_New_Device_Window : public QMainWindow
{
    Q_OBJECT

public:
    explicit ORB_Server_New_Device_Window(QWidget* parent = nullptr);
    ~ORB_Server_New_Device_Window() override;

signals:
    void ready2load(QString sn, QString name, QString passwd);

private slots:
    void on_confirm_button_clicked();
    void on_cancel_button_clicked();
    void on_passwd_visible_button_clicked();

private:
    Ui::ORB_Server_New_Device_Window* ui;
};
