#include "orb_server_new_device_window.h"

#include "ui_orb_server_new_device_window.h"
#include "ui/window_habits.h"
#include "ui/plain_message.h"

#include <QMessageBox>

namespace {

constexpr int PASSWD_MIN = 6;
constexpr int PASSWD_MAX = 12;

} // namespace

ORB_Server_New_Device_Window::ORB_Server_New_Device_Window(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::ORB_Server_New_Device_Window)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    answer_keyboard(this, {ui->sn_text, ui->name_text, ui->passwd_text}, [this] { on_confirm_button_clicked(); }, [this] { on_cancel_button_clicked(); });
    ui->sn_text->setFocus();
}

ORB_Server_New_Device_Window::~ORB_Server_New_Device_Window()
{
    delete ui;
}

void ORB_Server_New_Device_Window::on_confirm_button_clicked()
{
    const auto warn = [this](const QString& text) { plain_message(QMessageBox::Warning, this, tr("Tips"), text, QMessageBox::Ok); };
    const QString sn = ui->sn_text->text();
    const QString name = ui->name_text->text();
    const QString passwd = ui->passwd_text->text();
    if (sn.isEmpty()) {
        warn(tr("Sn can not be empty!"));
        return;
    }
    if (name.isEmpty()) {
        warn(tr("Device name can not be empty!"));
        return;
    }
    // Only the length is the device's rule; any characters are allowed.
    if (passwd.size() < PASSWD_MIN || passwd.size() > PASSWD_MAX) {
        warn(tr("Please enter a 6-12 digit device password!"));
        return;
    }
    // Closed (and so freed) only after the receiver has taken the values.
    hide();
    emit ready2load(sn, name, passwd);
    close();
}

void ORB_Server_New_Device_Window::on_cancel_button_clicked()
{
    close();
}

void ORB_Server_New_Device_Window::on_passwd_visible_button_clicked()
{
    toggle_password_echo(ui->passwd_text);
}
