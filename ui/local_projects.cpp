#include "local_projects.h"

#include "codec/text_prefix.h"
#include "device/orb_conn2device.h"
#include "projects/project_name.h"
#include "ui/plain_tooltip.h"
#include "ui/window_state.h"
#include "ui/plain_message.h"

#include <QDebug>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Marks the tree's project item, so a search result is never saved as one.
constexpr int PROJECT_ROLE = Qt::UserRole + 1;
// Marks a project item whose switches differ from its file.
constexpr int UNSAVED_ROLE = Qt::UserRole + 2;

} // namespace

ORB_LocalProjects::ORB_LocalProjects(Widgets widgets, ORB_Loader* loader, ORB_CONN2DEVICE* device_link,
                                     ORB_WindowState& shared, QObject* parent)
    : QObject(parent)
    , ui(widgets)
    , files(loader)
    , device_link(device_link)
    , shared(shared)
{
    // A tooltip explains the status it came with, and goes with it.
    connect(ui.state_text, &QLineEdit::textChanged, ui.state_text, [line = ui.state_text] { line->setToolTip({}); });
}

void ORB_LocalProjects::set_state(const QString& text)
{
    ui.state_text->setText(text);
}

QString ORB_LocalProjects::name_problem(const QString& name)
{
    const QString problem = ORB_ProjectName::problem(name);
    if (!problem.isEmpty())
        set_state(problem);
    return problem;
}

QTreeWidgetItem* ORB_LocalProjects::project_item() const
{
    if (ui.tree->topLevelItemCount() != 1)
        return nullptr;
    QTreeWidgetItem* item = ui.tree->topLevelItem(0);
    return item->data(0, PROJECT_ROLE).toBool() ? item : nullptr;
}

QTreeWidgetItem* ORB_LocalProjects::start_project(const QString& name)
{
    ui.tree->clear();
    ui.tree->setColumnCount(6);
    auto* item = new QTreeWidgetItem(ui.tree, QStringList{name});
    ui.tree->setColumnWidth(0, 180);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(0, PROJECT_ROLE, true);
    return item;
}

QTreeWidgetItem* ORB_LocalProjects::add_device_row(QTreeWidgetItem* project, const QStringList& columns)
{
    auto* row = new QTreeWidgetItem(project, columns);
    row->setFlags(row->flags() & ~Qt::ItemIsEditable);
    return row;
}

void ORB_LocalProjects::fit_columns()
{
    for (int c = 0; c < ui.tree->columnCount(); ++c)
        ui.tree->resizeColumnToContents(c);
}

void ORB_LocalProjects::mark_unsaved(QTreeWidgetItem* project, bool unsaved)
{
    project->setData(0, UNSAVED_ROLE, unsaved);
    project->setToolTip(0, unsaved ? tr("Unsaved changes: save the project to keep them") : QString());
    QFont font = project->font(0);
    font.setItalic(unsaved);
    project->setFont(0, font);
}

bool ORB_LocalProjects::may_leave_project()
{
    if (!holds_unsaved_changes())
        return true;
    const QString name = project_item()->text(0);
    QMessageBox box(QMessageBox::Question, tr("Tips"), tr("Save changes to project %1?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, ui.tree->window());
    box.setTextFormat(Qt::PlainText);
    // No Qt catalogue is loaded: the buttons speak the program's language.
    box.button(QMessageBox::Save)->setText(tr("Save"));
    box.button(QMessageBox::Discard)->setText(tr("Discard"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    if (!project_item())
        return true; // the project left the tree while the question was open
    if (answer == QMessageBox::Discard) {
        discard_changes(name);
        return true;
    }
    if (answer != QMessageBox::Save) {
        set_state(tr("%1 stays open with its changes").arg(name));
        return false;
    }
    if (save_project())
        return true;
    // save_project has said why.
    set_state(ui.state_text->text() + " — " + tr("%1 stays open with its changes").arg(name));
    return false;
}

bool ORB_LocalProjects::holds_unsaved_changes() const
{
    const QTreeWidgetItem* project = project_item();
    return project && project->data(0, UNSAVED_ROLE).toBool();
}

// Back to the project's file, if it has one: a search nobody answers leaves
// the project shown.
void ORB_LocalProjects::discard_changes(const QString& name)
{
    QVector<ORB_DeviceRecord> records;
    if (files.would_replace(name) || files.read(name, &records) != ORB_ProjectFiles::Load::Loaded) {
        mark_unsaved(project_item(), false); // a new project: nothing to go back to
        return;
    }
    show_project(name, records);
}

void ORB_LocalProjects::new_project()
{
    shared.current_device_sn = "";
    files.forget_opened();
    QTreeWidgetItem* item = start_project("default_project");
    ui.tree->editItem(item, 0);
    refresh_local_menus();
    set_state(tr("create new local project successfully"));
    announce_project();
}

void ORB_LocalProjects::announce_project()
{
    QJsonArray sns;
    for (const ORB_DeviceRecord& record : open_project_devices())
        sns.append(record.sn);
    device_link->tell_page(QJsonObject{{"command", "localProject"}, {"name", open_project_name()}, {"sn", sns}});
}

bool ORB_LocalProjects::load_local_project(QString name, bool ask_first)
{
    set_state(tr("loading local project"));
    if (!name_problem(name).isEmpty())
        return false;
    QVector<ORB_DeviceRecord> records;
    const ORB_ProjectFiles::Load loaded = files.read(name, &records);
    if (loaded == ORB_ProjectFiles::Load::Unreadable)
        return false;
    // A broken file leaves the shown project as it is, changes and all, and
    // must not become the project every later start opens.
    if (loaded == ORB_ProjectFiles::Load::Broken) {
        set_state(tr("load project fail"));
        ui.state_text->setToolTip(
            plain_tooltip(tr("%1 is not a whole project file").arg(ORB_ProjectName::file_path(name))));
        return false;
    }
    if (ask_first) {
        if (!may_leave_project())
            return false;
        // A Save may have just written this very file.
        if (files.read(name, &records) != ORB_ProjectFiles::Load::Loaded)
            return false;
    }
    files.make_open(name);
    show_project(name, records);
    set_state(tr("loading local project end"));
    return true;
}

void ORB_LocalProjects::show_project(const QString& name, const QVector<ORB_DeviceRecord>& records)
{
    QTreeWidgetItem* project = start_project(name);
    for (const ORB_DeviceRecord& d : records)
        add_device_row(project, {d.sn, d.ip, d.mac, d.model, d.passwd, d.active});
    refresh_local_menus();
    ui.tree->expandAll();
    fit_columns();
    announce_project();
}

// A project saved under the name of another project's file replaces it:
// only when the person says so.
bool ORB_LocalProjects::may_replace(const QString& name) const
{
    return plain_message(QMessageBox::Question, ui.tree->window(), tr("Tips"),
                                 tr("A project called %1 exists already. Replace it?").arg(name),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

QString ORB_LocalProjects::open_project_name() const
{
    if (QTreeWidgetItem* project = project_item())
        return project->text(0);
    return files.open_name();
}

QVector<ORB_DeviceRecord> ORB_LocalProjects::project_records(const QTreeWidgetItem* project) const
{
    QVector<ORB_DeviceRecord> records;
    for (int r = 0; r < project->childCount(); ++r) {
        const QTreeWidgetItem* row = project->child(r);
        records.append({row->text(1), row->text(0), row->text(2), row->text(3), row->text(4), row->text(5)});
    }
    return records;
}

QVector<ORB_DeviceRecord> ORB_LocalProjects::open_project_devices() const
{
    if (QTreeWidgetItem* project = project_item())
        return project_records(project);
    return files.read_open_project();
}

QHash<QString, QString> ORB_LocalProjects::stored_passwords() const
{
    QHash<QString, QString> passwords;
    for (const ORB_DeviceRecord& record : open_project_devices())
        if (!record.passwd.isEmpty() && !passwords.contains(record.sn))
            passwords.insert(record.sn, record.passwd);
    return passwords;
}

bool ORB_LocalProjects::save_project()
{
    set_state(tr("saving local project"));
    QTreeWidgetItem* project = project_item();
    if (!project) {
        set_state(tr("saving local project fail"));
        return false;
    }
    const QString name = project->text(0);
    if (!name_problem(name).isEmpty())
        return false;
    if (files.would_replace(name) && !may_replace(name)) {
        set_state(tr("not saved: another project is called %1").arg(name));
        return false;
    }
    QString log_line;
    if (!files.save(name, project_records(project), &log_line)) {
        set_state(tr("saving local project fail"));
        return false;
    }
    mark_unsaved(project, false);
    refresh_local_menus();
    announce_project();
    // The project is in its file: a log that cannot grow is only worth a warning.
    if (!files.log_save(log_line))
        set_state(tr("local project saved, but the save could not be written to log/log.txt"));
    else
        set_state(tr("saving local project end"));
    return true;
}

void ORB_LocalProjects::renamed(QTreeWidgetItem* item, int column)
{
    if (item->parent()) {
        set_state(tr("warning: device shouldn't be changed!"));
        return;
    }
    if (item->text(column).isEmpty())
        item->setText(column, "unnamed");
    save_project();
}

void ORB_LocalProjects::delete_project(const QString& name)
{
    if (!name_problem(name).isEmpty())
        return;
    if (plain_message(QMessageBox::Question, ui.tree->window(), tr("Tips"), tr("Delete project %1?").arg(name),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    QTreeWidgetItem* project = project_item();
    if (project && project->text(0) == name)
        ui.tree->editItem(start_project("default_project"), 0);
    if (!files.remove(name)) {
        set_state(tr("delete local project fail"));
        return;
    }
    refresh_local_menus();
    set_state(tr("delete local project successfully"));
    announce_project();
}

void ORB_LocalProjects::delete_device(const QString& sn)
{
    QTreeWidgetItem* project = project_item();
    if (!project || !local_device_rows.contains(sn))
        return;
    // The row is looked up now: rows may have changed since the menu was made.
    bool removed = false;
    for (int r = 0; r < project->childCount() && !removed; ++r) {
        if (project->child(r)->text(0) == sn) {
            delete project->takeChild(r);
            removed = true;
        }
    }
    if (!removed)
        return;
    refresh_local_menus();
    mark_unsaved(project, true);
    set_state(tr("%1 removed from the project; save the project to keep the change").arg(sn));
    announce_project();
}

void ORB_LocalProjects::fill_menu(QToolButton* button, const QStringList& entries,
                                  void (ORB_LocalProjects::*chosen)(QAction*))
{
    if (button->menu())
        button->menu()->deleteLater();
    auto* menu = new QMenu(button);
    for (const QString& entry : entries)
        menu->addAction(entry);
    connect(menu, &QMenu::triggered, this, chosen);
    button->setMenu(menu);
}

void ORB_LocalProjects::refresh_local_menus()
{
    const QStringList names = files.names();
    fill_menu(ui.open_button, names, &ORB_LocalProjects::project_chosen);
    fill_menu(ui.delete_button, names, &ORB_LocalProjects::project_deletion_chosen);

    fill_menu(ui.delete_device_button, {}, &ORB_LocalProjects::device_deletion_chosen);
    refresh_device_menu();
    // Made again as it opens: a search may have taken the tree meanwhile.
    connect(ui.delete_device_button->menu(), &QMenu::aboutToShow, this, &ORB_LocalProjects::refresh_device_menu);
}

void ORB_LocalProjects::refresh_device_menu()
{
    QMenu* menu = ui.delete_device_button->menu();
    menu->clear();
    local_device_rows.clear();
    if (QTreeWidgetItem* project = project_item()) {
        for (int r = 0; r < project->childCount(); ++r) {
            const QString sn = project->child(r)->text(0);
            menu->addAction(sn);
            if (!local_device_rows.contains(sn))
                local_device_rows.insert(sn, r);
        }
    }
}

// The open project's switches, one an address, for the search result.
void ORB_LocalProjects::send_local_devices()
{
    device_link->set_local_device(search_device_list(open_project_devices()).release());
}

void ORB_LocalProjects::open_default_project()
{
    if (QFile::exists(ORB_ProjectName::file_path("default_project")))
        load_local_project("default_project");
    if (!project_item())
        start_project("default_project");
}

void ORB_LocalProjects::update_from_page()
{
    set_state(tr("updating local devices"));
    // The page may hand over another document while this update waits on a switch.
    QVector<ORB_DeviceRecord> records;
    if (!read_device_records(device_link->local_device_document(), &records)) {
        qDebug() << "config structure is not right!";
        return;
    }
    QJsonArray failed_ip, failed_sn, failed_errmsgs;
    const auto fail = [&](const QString& ip, const QString& sn, const char* message) {
        failed_ip.append(ip);
        failed_sn.append(sn);
        failed_errmsgs.append(message);
    };
    const auto answer_page = [&] {
        device_link->answer_page(QJsonObject{{"failed_ip", failed_ip},
                                             {"failed_sn", failed_sn},
                                             {"failed_errmsgs", failed_errmsgs},
                                             {"errcode", 0},
                                             {"command", "add2local"}});
    };
    // Adding saves the whole project: a change still pending is saved only
    // when the person says so.
    if (!may_leave_project()) {
        for (const ORB_DeviceRecord& d : records)
            fail(d.ip, d.sn, "saving local project fail");
        answer_page();
        return;
    }
    if (!project_item())
        open_default_project();

    QStringList added_ip, added_sn;
    for (const ORB_DeviceRecord& d : records) {
        const bool login = d.active == "active";
        if (login)
            device_link->login_device(d.ip, d.passwd, d.sn);
        else
            device_link->activate_device(d.ip, d.passwd, d.sn);
        const cJSON* reply = device_link->last_reply_document();
        QTreeWidgetItem* project = project_item(); // found again: the tree may have changed meanwhile
        if (!device_link->journal_refusal().isEmpty() && !login) {
            fail(d.ip, d.sn, "journal not written!");
        } else if (!reply) {
            fail(d.ip, d.sn, "device not open!");
        } else if (!begins_with_word(cjson_string_member(cJSON_GetObjectItemCaseSensitive(reply, "data"),
                                                         login ? "login" : "activate"),
                                     "success")) {
            fail(d.ip, d.sn, "device is already actived!");
        } else if (!project) {
            fail(d.ip, d.sn, "local project closed!");
        } else {
            for (int r = 0; r < project->childCount(); ++r) {
                if (project->child(r)->text(0) == d.sn) {
                    delete project->takeChild(r);
                    break;
                }
            }
            add_device_row(project, {d.sn, d.ip, d.mac, d.model, d.passwd, "active"});
            project->setExpanded(true);
            added_ip.append(d.ip);
            added_sn.append(d.sn);
        }
    }
    const bool saved = save_project();
    if (!saved && !added_sn.isEmpty() && project_item())
        mark_unsaved(project_item(), true);
    if (!saved) {
        for (int i = 0; i < added_sn.size(); ++i)
            fail(added_ip[i], added_sn[i], "saving local project fail");
    }
    answer_page();
    fit_columns();
    refresh_local_menus(); // rows changed, saved or not
    if (saved)
        set_state(tr("update local devices successful"));
}
