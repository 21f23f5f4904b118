#include "cloud_project_tree.h"

#include "cloud/orb_conn2server.h"
#include "ui/orb_server_new_project_window.h"
#include "ui/window_habits.h"
#include "ui/window_state.h"
#include "ui/plain_message.h"

#include <QDebug>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonObject>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>

namespace {

enum Column { DELETE_COLUMN = 0, NAME_COLUMN = 1, SN_COLUMN = 2, ADD_COLUMN = 4, ID_OR_STATE_COLUMN = 5 };
// Hidden texts of a switch row.
constexpr int VERSION_COLUMN = 6, PROJECT_ID_COLUMN = 7, BASE_MODEL_COLUMN = 8, MODEL_COLUMN = 9;
enum List { NAMES = 0, IDS = 1, PERMISSIONS = 2 };

QIcon row_icon(const QString& path)
{
    QIcon icon(path);
    icon.addPixmap(icon.pixmap(52, 52), QIcon::Normal, QIcon::Off);
    return icon;
}

QString text_or(const cJSON* object, const char* name, const char* fallback)
{
    const char* value = cjson_string_member(object, name);
    return QString::fromUtf8(value ? value : fallback);
}

// The first project of the permission's array with this id.
const cJSON* find_project(const cJSON* project_tree, const QString& permission, const QString& pid)
{
    const cJSON* project = nullptr;
    cJSON_ArrayForEach(project, cJSON_GetObjectItemCaseSensitive(project_tree, permission.toUtf8().constData()))
    {
        if (text_or(project, "pid", "") == pid)
            return project;
    }
    return nullptr;
}

void set_editable(QTreeWidgetItem* row, bool editable)
{
    row->setFlags(editable ? row->flags() | Qt::ItemIsEditable : row->flags() & ~Qt::ItemIsEditable);
}

} // namespace

ORB_CloudProjectTree::ORB_CloudProjectTree(Widgets widgets, ORB_CONN2SERVER* link, ORB_WindowState& shared)
    : ui(widgets)
    , link(link)
    , shared(shared)
{
}

void ORB_CloudProjectTree::redraw(const cJSON* project_tree)
{
    // Rows set up during a redraw must not look like a person's edit.
    const QSignalBlocker quiet(ui.tree);
    drawn.reset(cJSON_Duplicate(project_tree, true));
    QTreeWidget* tree = ui.tree;
    tree->clear();
    tree->setHeaderLabels({tr("Delet"), tr("Name"), tr("SN"), tr("Authority"), tr("Add")});
    tree->header()->setDefaultSectionSize(90);
    tree->header()->setStretchLastSection(true);
    tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setColumnWidth(0, 55);

    for (QStringList& list : cloud_device_lists)
        list.clear();
    for (const char* permission : {"admin", "join"}) {
        const cJSON* project = nullptr;
        cJSON_ArrayForEach(project, cJSON_GetObjectItemCaseSensitive(drawn.get(), permission))
        {
            const QString pid = text_or(project, "pid", "");
            if (pid.isEmpty())
                continue; // nothing could act on it
            cloud_device_lists[NAMES].append(text_or(project, "name", ""));
            cloud_device_lists[IDS].append(pid);
            cloud_device_lists[PERMISSIONS].append(permission);
        }
    }
    for (int i = 0; i < cloud_device_lists[IDS].size(); ++i)
        draw_project(i);
    ui.new_project_button->setEnabled(true);
    ui.update_button->setEnabled(true);
    send_summary();
}

void ORB_CloudProjectTree::draw_project(int index)
{
    const QString pid = cloud_device_lists[IDS][index];
    const QString permission = cloud_device_lists[PERMISSIONS][index];
    const bool admin = permission == "admin";
    auto* project_row = new QTreeWidgetItem(QStringList{" ", cloud_device_lists[NAMES][index], "--",
                                                        admin ? tr("admin_project") : tr("join_project"), " ", pid});
    project_row->setIcon(DELETE_COLUMN, row_icon(":/qss/delet.png"));
    project_row->setIcon(ADD_COLUMN, row_icon(":/qss/tianjia.png"));
    set_editable(project_row, admin);
    ui.tree->addTopLevelItem(project_row);
    qDebug() << "Project PID: " << pid << "permission: " << permission;

    const cJSON* devices = cJSON_GetObjectItemCaseSensitive(find_project(drawn.get(), permission, pid), "devices");
    qDebug().noquote() << "datas:" << cjson_print_pretty(devices);
    for (const char* state : {"online", "offline"}) {
        const cJSON* device = nullptr;
        cJSON_ArrayForEach(device, cJSON_GetObjectItemCaseSensitive(devices, state))
        {
            const QString sn = text_or(device, "sn", "");
            if (sn.isEmpty())
                continue;
            auto* row = new QTreeWidgetItem(
                QStringList{" ", text_or(device, "name", ""), sn, admin ? tr("admin") : tr("join"), " ", state,
                            text_or(device, "V", "NULL"), pid, text_or(device, "baseModel", "NULL"),
                            text_or(device, "model", "NULL")});
            if (admin)
                row->setIcon(DELETE_COLUMN, row_icon(":/qss/shanchu.png"));
            set_editable(row, admin);
            const bool online = QString(state) == "online";
            row->setFlags(online ? row->flags() | Qt::ItemIsEnabled : row->flags() & ~Qt::ItemIsEnabled);
            project_row->addChild(row);
        }
    }
}

void ORB_CloudProjectTree::send_summary()
{
    QJsonArray projects;
    for (int i = 0; i < cloud_device_lists[IDS].size(); ++i) {
        const QString pid = cloud_device_lists[IDS][i];
        for (int r = 0; r < ui.tree->topLevelItemCount(); ++r) {
            const QTreeWidgetItem* row = ui.tree->topLevelItem(r);
            if (row->text(ID_OR_STATE_COLUMN) != pid)
                continue;
            QJsonArray sns;
            for (int c = 0; c < row->childCount(); ++c)
                sns.append(row->child(c)->text(SN_COLUMN));
            projects.append(QJsonObject{
                {"projectname", cloud_device_lists[NAMES][i]}, {"projectpid", pid}, {"projectsn", sns}});
            break;
        }
    }
    const QJsonObject summary{{"command", "cloudProjectInfo"}, {"errcode", 0}, {"projects", projects}};
    link->project_switch_info_slot(summary);
    link->tell_page(summary);
}

bool ORB_CloudProjectTree::query_and_redraw()
{
    link->query_device();
    if (link->result_code() != 0)
        return false;
    redraw(link->project_tree());
    return true;
}

void ORB_CloudProjectTree::run_action(std::function<void()> action)
{
    // One action at a time: one asked for while another waits (a dialog
    // confirmed during a refresh) runs after it, and so does a refresh.
    if (action_running) {
        waiting.append(std::move(action));
        return;
    }
    action_running = true;
    action();
    while (!waiting.isEmpty() || refresh_deferred) {
        if (!waiting.isEmpty())
            waiting.takeFirst()();
        else
            run_deferred_refresh();
    }
    action_running = false;
}

void ORB_CloudProjectTree::run_deferred_refresh()
{
    refresh_deferred = false;
    const bool redrawn = query_and_redraw();
    if (!redrawn && edit_dropped && drawn) {
        // A name typed while an action ran was not sent: it must not stay.
        const CJsonPtr last(cJSON_Duplicate(drawn.get(), true));
        redraw(last.get());
    }
    edit_dropped = false;
}

void ORB_CloudProjectTree::refresh()
{
    if (action_running) {
        refresh_deferred = true;
        return;
    }
    run_action([this] { query_and_redraw(); });
}

bool ORB_CloudProjectTree::confirmed(const QString& question)
{
    return plain_message(QMessageBox::Question, ui.window, tr("Tips"), question, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

void ORB_CloudProjectTree::inform(const QString& text)
{
    plain_message(QMessageBox::Information, ui.window, tr("Tips"), text, QMessageBox::Ok);
}

void ORB_CloudProjectTree::warn(const QString& text)
{
    plain_message(QMessageBox::Warning, ui.window, tr("Tips"), text, QMessageBox::Ok);
}

void ORB_CloudProjectTree::open_new_project_dialog()
{
    auto* dialog = new ORB_Server_New_Project_Window(nullptr);
    show_modal(dialog, tr("new project"), ui.window);
    QObject::connect(dialog, &ORB_Server_New_Project_Window::ready2append, ui.tree,
                     [this](QString name, QList<QString> sns, QList<QString> names, QList<QString> passwords) {
                         append_project(name, sns, names, passwords);
                     });
}

void ORB_CloudProjectTree::open_add_switch_dialog(const QString& name, const QString& pid)
{
    auto* dialog = new ORB_Server_New_Project_Window(nullptr);
    dialog->set_target_project(name, pid);
    show_modal(dialog, tr("Add Switch"), ui.window);
    QObject::connect(dialog, &ORB_Server_New_Project_Window::ready2append, ui.tree,
                     [this](QString target, QList<QString> sns, QList<QString> names, QList<QString> passwords) {
                         add_switches(target, sns, names, passwords);
                     });
}

void ORB_CloudProjectTree::row_clicked(QTreeWidgetItem* item, int column)
{
    if (action_running)
        return;
    // Everything the row says is copied first: a question or a wait lets a
    // refresh redraw the tree and free the row.
    if (QTreeWidgetItem* project = item->parent()) {
        const int index = ui.tree->indexOfTopLevelItem(project);
        if (column != DELETE_COLUMN || cloud_device_lists[PERMISSIONS].value(index) != "admin")
            return;
        const QString pid = item->text(PROJECT_ID_COLUMN);
        const QString sn = item->text(SN_COLUMN);
        if (confirmed(tr("Are you sure want to delete this device?")))
            delete_device(pid, sn);
        return;
    }
    const int index = ui.tree->indexOfTopLevelItem(item);
    if (index < 0 || index >= cloud_device_lists[IDS].size())
        return;
    const QString name = cloud_device_lists[NAMES][index];
    const QString pid = cloud_device_lists[IDS][index];
    const bool admin = cloud_device_lists[PERMISSIONS][index] == "admin";
    if (column == ADD_COLUMN) {
        open_add_switch_dialog(name, pid);
    } else if (column == DELETE_COLUMN && admin) {
        if (confirmed(tr("Are you sure want to delete this project?")))
            delete_project(pid);
    } else if (column == DELETE_COLUMN) {
        if (confirmed(tr("Are you sure want to exit this project?")))
            exit_project(pid);
    }
}

void ORB_CloudProjectTree::row_double_clicked(QTreeWidgetItem* item)
{
    qDebug() << "ORB_Window::server_device_selected";
    const QTreeWidgetItem* project = item->parent();
    if (action_running || !project)
        return;
    const QString sn = item->text(SN_COLUMN);
    if (project->childCount() != 1 && shared.current_device_sn == sn) {
        inform(tr("select last device, please select other device"));
        return;
    }
    shared.current_device_sn = sn;
    if (item->text(ID_OR_STATE_COLUMN) == "offline") {
        inform(tr("device is offline"));
        return;
    }
    link->tell_page(QJsonObject{{"name", item->text(NAME_COLUMN)},
                                {"sn", sn},
                                {"isJoin", item->text(3) == tr("join") ? 0 : 1},
                                {"V", item->text(VERSION_COLUMN)},
                                {"pid", item->text(PROJECT_ID_COLUMN)},
                                {"baseModel", item->text(BASE_MODEL_COLUMN)},
                                {"model", item->text(MODEL_COLUMN)},
                                {"command", "web_sw"}});
}

void ORB_CloudProjectTree::row_renamed(QTreeWidgetItem* item)
{
    if (action_running) {
        edit_dropped = true;
        refresh_deferred = true;
        return;
    }
    const bool is_switch = item->parent() != nullptr;
    const Rename rename{is_switch, item->text(is_switch ? PROJECT_ID_COLUMN : ID_OR_STATE_COLUMN),
                        item->text(SN_COLUMN), item->text(NAME_COLUMN)};
    // The redraw after the rename deletes the row whose edit is still being
    // committed: it runs once the notification has returned.
    QTimer::singleShot(0, ui.tree, [this, rename] { this->rename(rename); });
}

void ORB_CloudProjectTree::rename(const Rename& rename)
{
    run_action([this, rename] {
        if (rename.is_switch)
            link->rename_device(rename.pid, rename.sn, rename.name);
        else
            link->project_name_modify(rename.pid, rename.name);
        const bool renamed = link->result_code() == 0;
        if (!query_and_redraw() && !renamed && drawn) {
            // Neither the cloud nor a fresh tree took the typed name.
            const CJsonPtr last(cJSON_Duplicate(drawn.get(), true));
            redraw(last.get());
        }
    });
}

namespace {

// The switches a create or add reply names as not taken, one labelled line
// of serial numbers per kind of problem.
struct ProblemKeys
{
    const char* password;
    const char* bound;
    const char* offline;
    const char* absent;
};
constexpr ProblemKeys CREATE_KEYS{"noauth", "bound", "noonline", "noexit"};
constexpr ProblemKeys ADD_KEYS{"keyError", "bound", "offline", "absent"};

} // namespace

QString ORB_CloudProjectTree::problem_text(const cJSON* reply, bool created)
{
    const ProblemKeys& keys = created ? CREATE_KEYS : ADD_KEYS;
    const QPair<QString, const char*> lines[] = {{tr("Device Password Error: "), keys.password},
                                                 {tr("Device Bound: "), keys.bound},
                                                 {tr("Device Offline: "), keys.offline},
                                                 {tr("Device Does Not Exist: "), keys.absent}};
    QString text;
    for (const auto& line : lines) {
        const cJSON* list = cJSON_GetObjectItemCaseSensitive(reply, line.second);
        if (!cJSON_IsArray(list) || cJSON_GetArraySize(list) == 0)
            continue;
        text += line.first + "\n";
        const cJSON* element = nullptr;
        cJSON_ArrayForEach(element, list)
        {
            text += QString::fromUtf8(cJSON_IsString(element) ? QByteArray(element->valuestring) : cjson_print(element)) + ", ";
        }
        text.chop(2);
        text += "\n";
    }
    return text;
}

void ORB_CloudProjectTree::append_project(const QString& name, const QStringList& sns, const QStringList& names,
                                          const QStringList& passwords)
{
    run_action([=] {
        link->project_create(name, sns, names, passwords);
        finish_device_list_action(true, tr("appending project failed"), tr("appending project successful"));
    });
}

void ORB_CloudProjectTree::add_switches(const QString& pid, const QStringList& sns, const QStringList& names,
                                        const QStringList& passwords)
{
    run_action([=] {
        link->project_add_device(pid, sns, names, passwords);
        finish_device_list_action(false, tr("Add device failed"), tr("Add device successful"));
    });
}

void ORB_CloudProjectTree::finish_device_list_action(bool created, const QString& failure, const QString& success)
{
    if (link->result_code() != 0) {
        inform(failure);
        return;
    }
    // Read before the query replaces the reply; shown over the new tree, so
    // a project created with problem switches is seen to exist.
    const QString problems = problem_text(link->project_tree(), created);
    query_and_redraw();
    inform(problems.isEmpty() ? success : problems);
}

void ORB_CloudProjectTree::delete_device(const QString& pid, const QString& sn)
{
    run_action([=] {
        link->unbind_device(pid, sn);
        if (link->result_code() != 0) {
            warn(tr("deleting device failed"));
            return;
        }
        query_and_redraw();
        warn(tr("deleting device successful"));
    });
}

void ORB_CloudProjectTree::delete_project(const QString& pid)
{
    run_action([=] {
        link->project_delete(pid);
        finish_project_action(tr("Deleting project failed"), tr("Deleting project successful"));
    });
}

void ORB_CloudProjectTree::exit_project(const QString& pid)
{
    run_action([=] {
        link->project_delete_recv(pid);
        finish_project_action(tr("Exiting project failed"), tr("Exiting project successful"));
    });
}

void ORB_CloudProjectTree::finish_project_action(const QString& failure, const QString& success)
{
    if (link->result_code() != 0) {
        inform(failure);
        return;
    }
    query_and_redraw();
    inform(success);
}
