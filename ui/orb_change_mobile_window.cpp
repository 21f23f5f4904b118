#include "orb_change_mobile_window.h"

#include "ui_orb_change_mobile_window.h"
#include "ui/window_habits.h"

#include <QRegularExpression>

namespace {

// Any 11 ASCII digits: no plus sign, spaces or country code.
bool is_mobile_number(const QString& text)
{
    static const QRegularExpression rule(QRegularExpression::anchoredPattern("[0-9]{11}"));
    return rule.match(text).hasMatch();
}

} // namespace

ORB_Change_Mobile_Window::ORB_Change_Mobile_Window(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::ORB_Change_Mobile_Window)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    answer_keyboard(this, {ui->mobile_text, ui->verify_code_text}, [this] { on_confirm_button_clicked(); }, [this] { on_cancel_button_clicked(); });
    ui->mobile_text->setFocus();
}

ORB_Change_Mobile_Window::~ORB_Change_Mobile_Window()
{
    delete ui;
}

// Invalid input is ignored without a message.
void ORB_Change_Mobile_Window::on_confirm_button_clicked()
{
    const QString mobile = ui->mobile_text->text();
    const QString code = ui->verify_code_text->text();
    if (!is_mobile_number(mobile) || code.isEmpty())
        return;
    // Closed (and so freed) only after the receiver's cloud waits and
    // message boxes are over.
    hide();
    emit ready2mobile(mobile, code);
    close();
}

void ORB_Change_Mobile_Window::on_cancel_button_clicked()
{
    close();
}

void ORB_Change_Mobile_Window::on_verify_code_button_clicked()
{
    const QString mobile = ui->mobile_text->text();
    // The window stays open for the code; the receiver's wait may free it,
    // so nothing may follow the emit.
    if (is_mobile_number(mobile))
        emit request_verify_code(mobile);
}
