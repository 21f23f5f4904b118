#pragma once
// The window's project area: the local tree showing a project, new, load,
// save, rename, delete, remove a device, the three menus and their questions,
// the device list for searches, and the update from devices the page hands
// over. It works on the window's local tree, menu buttons and status line,
// which the window owns; the files are ORB_ProjectFiles'.

#include "projects/device_records.h"
#include "projects/project_files.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class ORB_CONN2DEVICE;
class ORB_Loader;
struct ORB_WindowState;
class QAction;
class QLineEdit;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

class ORB_LocalProjects : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        QTreeWidget* tree;
        QToolButton* open_button;
        QToolButton* delete_button;
        QToolButton* delete_device_button;
        QLineEdit* state_text;
    };

    ORB_LocalProjects(Widgets widgets, ORB_Loader* loader, ORB_CONN2DEVICE* device_link, ORB_WindowState& shared,
                      QObject* parent);

    void new_project();
    // ask_first: with unsaved changes shown, asks whether to save them, once
    // the file has been read whole.
    // True when the project is shown.
    bool load_local_project(QString name, bool ask_first = false);
    bool save_project();
    void renamed(QTreeWidgetItem* item, int column);
    void delete_project(const QString& name);
    void delete_device(const QString& sn);
    void refresh_local_menus();
    // "del device" offers the shown project's switches; none while the tree shows a search.
    void refresh_device_menu();
    void send_local_devices();
    void update_from_page();
    // With unsaved changes, asks whether to save them first: true when the
    // shown project may go (saved, or its changes discarded).
    bool may_leave_project();
    // The tree shows a project with changes not in its file.
    bool holds_unsaved_changes() const;

    // The open local project's name and switches, passwords plain: the one
    // shown in the tree, else the one last opened or saved (the tree may
    // show a search instead).
    QString open_project_name() const;
    QVector<ORB_DeviceRecord> open_project_devices() const;
    QHash<QString, QString> stored_passwords() const; // by serial number
    // Tells the page the open project's name and serial numbers.
    void announce_project();

signals:
    void project_chosen(QAction* action);
    void project_deletion_chosen(QAction* action);
    void device_deletion_chosen(QAction* action);

private:
    QTreeWidgetItem* project_item() const;
    QTreeWidgetItem* start_project(const QString& name);
    QTreeWidgetItem* add_device_row(QTreeWidgetItem* project, const QStringList& columns);
    void open_default_project();
    void fit_columns();
    void mark_unsaved(QTreeWidgetItem* project, bool unsaved);
    void show_project(const QString& name, const QVector<ORB_DeviceRecord>& records);
    void discard_changes(const QString& name);
    void set_state(const QString& text);
    QString name_problem(const QString& name);
    bool may_replace(const QString& name) const;
    QVector<ORB_DeviceRecord> project_records(const QTreeWidgetItem* project) const;
    void fill_menu(QToolButton* button, const QStringList& entries, void (ORB_LocalProjects::*chosen)(QAction*));

    Widgets ui;
    ORB_ProjectFiles files;
    ORB_CONN2DEVICE* device_link;
    ORB_WindowState& shared;

    QMap<QString, int> local_device_rows;
};
