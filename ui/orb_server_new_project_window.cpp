#include "orb_server_new_project_window.h"

#include "ui/orb_server_new_device_window.h"
#include "ui_orb_server_new_project_window.h"
#include "ui/window_habits.h"
#include "ui/plain_message.h"

#include <QCursor>
#include <QDebug>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QStandardItemModel>
#include <QTableView>

namespace {

enum ListColumn { LIST_SN, LIST_NAME, LIST_PASSWD };

QStandardItem* read_only_item(const QString& text)
{
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    return item;
}

QList<QString> column_texts(const QStandardItemModel* model, int column)
{
    QList<QString> texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->item(row, column)->text());
    return texts;
}

} // namespace

ORB_Server_New_Project_Window::ORB_Server_New_Project_Window(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::ORB_Server_New_Project_Window)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    answer_keyboard(this, {ui->project_name_text}, [this] { on_confirm_button_clicked(); }, [this] { close(); });
    ui->project_name_text->setFocus();

    device_model = new QStandardItemModel(0, 3);
    device_model->setHorizontalHeaderItem(LIST_SN, new QStandardItem(tr("SN")));
    device_model->setHorizontalHeaderItem(LIST_NAME, new QStandardItem(tr("Name")));
    device_model->setHorizontalHeaderItem(LIST_PASSWD, new QStandardItem(tr("Password")));

    QTableView* view = ui->device_listview;
    view->setModel(device_model);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setDefaultSectionSize(200);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    // The passwords travel with the rows but are never shown.
    view->setColumnHidden(LIST_PASSWD, true);
    view->setContextMenuPolicy(Qt::CustomContextMenu);

    row_menu = new QMenu(view);
    row_menu->addAction(tr("delete"));
    connect(view, &QTableView::customContextMenuRequested, this, &ORB_Server_New_Project_Window::device_selected);
    connect(row_menu, &QMenu::triggered, this, &ORB_Server_New_Project_Window::device_delete);
}

ORB_Server_New_Project_Window::~ORB_Server_New_Project_Window()
{
    delete row_menu;
    delete device_model;
    delete ui;
}

void ORB_Server_New_Project_Window::set_target_project(const QString& name, const QString& pid)
{
    if (pid.isEmpty())
        return;
    target_name = name;
    target_pid = pid;
    ui->project_name_text->setText(name);
    ui->project_name_text->setEnabled(false);
    ui->confirm_button->setText(tr("Sure"));
}

void ORB_Server_New_Project_Window::load2model(QString sn, QString name, QString passwd)
{
    // The serial number identifies a switch, so a repeated one is dropped.
    if (!device_model->findItems(sn, Qt::MatchExactly | Qt::MatchCaseSensitive, LIST_SN).isEmpty()) {
        qDebug() << "sn already exist!";
        return;
    }
    device_model->appendRow({read_only_item(sn), read_only_item(name), read_only_item(passwd)});
}

void ORB_Server_New_Project_Window::on_append_switch_button_clicked()
{
    auto* device_window = new ORB_Server_New_Device_Window;
    show_modal(device_window, tr("new device"), this);
    connect(device_window, &ORB_Server_New_Device_Window::ready2load, this,
            &ORB_Server_New_Project_Window::load2model);
}

void ORB_Server_New_Project_Window::on_confirm_button_clicked()
{
    // A cloud project may have an empty name, so only a new project needs one.
    const bool adding_switches = !target_pid.isEmpty();
    if (!adding_switches && ui->project_name_text->text().isEmpty())
        return;
    // Hidden now, closed (and so freed) only at the end: the warning and the
    // receiver's cloud waits run event loops that could free it early.
    hide();
    const QList<QString> sns = column_texts(device_model, LIST_SN);
    const QList<QString> names = column_texts(device_model, LIST_NAME);
    const QList<QString> passwds = column_texts(device_model, LIST_PASSWD);
    if (sns.isEmpty())
        plain_message(QMessageBox::Warning, this, tr("Tips"), tr("Please complete the project information!"), QMessageBox::Ok);
    emit ready2append(adding_switches ? target_pid : ui->project_name_text->text(), sns, names, passwds);
    close();
}

void ORB_Server_New_Project_Window::device_selected(QPoint selected)
{
    const QModelIndex index = ui->device_listview->indexAt(selected);
    if (!index.isValid())
        return;
    menu_row = index.row();
    row_menu->popup(QCursor::pos());
}

void ORB_Server_New_Project_Window::device_delete(QAction*)
{
    // The menu has a single action, so which one fired does not matter.
    device_model->removeRow(menu_row);
}
