#pragma once
// The cloud mode's project tree: the signed-in account's projects and their
// switches, redrawn whole from the cloud link's project tree, and what a
// person does in it (create, add switches, delete, leave, unbind, rename, open
// a switch in the page). Every change is one cloud action followed by a fresh
// query and a redraw. Texts belong to the window's translation context.

#include "codec/cjson_util.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class ORB_CONN2SERVER;
struct ORB_WindowState;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

class ORB_CloudProjectTree
{
    Q_DECLARE_TR_FUNCTIONS(ORB_Window)

public:
    struct Widgets
    {
        QWidget* window;
        QTreeWidget* tree;
        QPushButton* new_project_button;
        QPushButton* update_button;
    };

    ORB_CloudProjectTree(Widgets widgets, ORB_CONN2SERVER* link, ORB_WindowState& shared);

    void redraw(const cJSON* project_tree);
    // The update button and the page's refresh; deferred while an action runs.
    void refresh();
    void open_new_project_dialog();
    void row_clicked(QTreeWidgetItem* item, int column);
    void row_double_clicked(QTreeWidgetItem* item);
    void row_renamed(QTreeWidgetItem* item);

    void append_project(const QString& name, const QStringList& sns, const QStringList& names,
                        const QStringList& passwords);
    void add_switches(const QString& pid, const QStringList& sns, const QStringList& names,
                      const QStringList& passwords);
    void delete_device(const QString& pid, const QString& sn);
    void delete_project(const QString& pid);
    void exit_project(const QString& pid);

private:
    // What a rename needs, copied before the edit's notification returns.
    struct Rename
    {
        bool is_switch;
        QString pid, sn, name;
    };

    void draw_project(int index);
    void send_summary();
    void open_add_switch_dialog(const QString& name, const QString& pid);
    void rename(const Rename& rename);
    static QString problem_text(const cJSON* reply, bool created);
    // After a create or add: the failure, or the problem switches or the
    // success over the redrawn tree.
    void finish_device_list_action(bool created, const QString& failure, const QString& success);
    // After a delete or leave: the failure, or the success over the redrawn tree.
    void finish_project_action(const QString& failure, const QString& success);
    // Runs one cloud action, or queues it while another runs; a refresh
    // asked for meanwhile runs after them, and tree input is ignored until
    // then.
    void run_action(std::function<void()> action);
    void run_deferred_refresh();
    // Queries and redraws; false when the query failed.
    bool query_and_redraw();
    // A question with Yes and No; true for Yes.
    bool confirmed(const QString& question);
    void inform(const QString& text);
    void warn(const QString& text);

    Widgets ui;
    ORB_CONN2SERVER* link;
    ORB_WindowState& shared;
    // Names, ids and permissions ("admin" or "join") of the projects, one
    // entry per top-level row, in row order.
    QStringList cloud_device_lists[3];
    // The tree last drawn, to draw again when a refused rename leaves the
    // typed name on screen.
    CJsonPtr drawn;
    bool action_running = false;
    QList<std::function<void()>> waiting;
    bool refresh_deferred = false;
    // A name typed while an action ran, and so not sent.
    bool edit_dropped = false;
};
