#pragma once
// The program's one main window. It owns the device link, the cloud link, the
// project file loader, its own translator, the web channel that publishes the
// links to the HTML application, and the tray icon. The behaviour of local
// projects, the local device tree, opening a switch, the cloud project tree and
// the cloud account lives in ORB_LocalProjects, ORB_LocalDeviceTree,
// ORB_SwitchOpener, ORB_CloudProjectTree and ORB_CloudAccount, which the slots
// delegate to.

#include "codec/cjson_util.h"
#include "ui/window_state.h"

#include <QJsonObject>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

class ORB_CloudAccount;
class ORB_CloudProjectTree;
class ORB_CONN2DEVICE;
class ORB_CONN2SERVER;
class ORB_Loader;
class ORB_LocalDeviceTree;
class ORB_LocalProjects;
class ORB_SwitchOpener;
class QAction;
class QMenu;
class QSystemTrayIcon;
class QTranslator;
class QTreeWidgetItem;

namespace Ui {
class CorvaneIOT_Managesystem;
}

class ORB_Window : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr char LOCAL_MODE[] = "Local Mannage";

    // mode: LOCAL_MODE, or the cloud mode's JSON {"mode","uid","key"};
    // language: 0 Chinese, 1 English, as chosen at start-up.
    ORB_Window(QString mode, int language, QWidget* parent = nullptr);
    ~ORB_Window() override;

    void retranslateUi();

protected:
    // With unsaved project changes, asks first; Cancel keeps the window open.
    void closeEvent(QCloseEvent* event) override;

public:
    void show_login_state(QString name);

signals:
    void device_ready(QJsonObject devices);

public slots:
    void server_login_multi(QString mobile, QString passwd, bool remember);
    void server_login(QString mobile, QString passwd, bool remember);
    void server_register(QString mobile, QString code, QString passwd);
    void server_alter_mobile(QString new_mobile, QString code);
    void server_alter_passwd(QString mobile, QString new_passwd);
    void server_send_verify_code(QString mobile);
    void server_login_email_multi(QString email, QString passwd, bool remember);
    void server_login_email(QString email, QString passwd, bool remember);
    void server_register_email(QString email, QString code, QString passwd);
    void server_alter_passwd_email(QString new_passwd);
    void server_append_project(QString name, QList<QString> sna, QList<QString> na, QList<QString> pda);
    void server_delete_project(QString pid);
    void server_exit_project(QString pid);
    void server_append_device(QString project_name, QList<QString> sna, QList<QString> na, QList<QString> pda);
    void server_add_switch(QString pid, QList<QString> sna, QList<QString> na, QList<QString> pda);
    void server_delete_device(QString pid, QString sn);

private slots:
    void on_login_changepd_button_clicked();
    void on_save_project_button_clicked();
    void on_new_project_button_clicked();
    void on_change_mobile_button_clicked();
    void on_server_new_project_button_clicked();
    void on_server_delete_device_button_clicked();
    void on_server_exit_project_button_clicked();
    void on_server_update_button_clicked();
    void local_project_selected(QAction* project);
    void local_project_deleted(QAction* project);
    void local_device_deleted(QAction* project);
    void local_project_updated();
    void local_device_selected(QTreeWidgetItem* current, int column);
    void local_renamed(QTreeWidgetItem* current, int column);
    void server_device_selected(QTreeWidgetItem* current, int column);
    void server_renamed(QTreeWidgetItem* current, int column);
    void server_delete_project_selected(QAction* project);
    void server_exit_project_selected(QAction* project);
    void language_changed(QAction* project);
    void quit_event();
    void open_event();
    void on_search_button_clicked();
    void on_watch_button_toggled(bool on);
    void update_searchDevice(cJSON* data);
    void server_delete_project_switch_or_add_switch(QTreeWidgetItem* item, int column);
    void on_delete_account_button_clicked();

private:
    void setup_language_menu();
    void setup_server_tree();
    void connect_links();
    void setup_journal();
    static QString app_page_path();
    void setup_web_view();
    void setup_web_channel();
    void show_page_missing(const QString& page);
    void install_translator();
    void write_tips_file();
    void setup_tray();
    void reset_device_list();
    void fill_interface_list();
    void apply_mode(const QString& mode);
    void greet_page();
    void watch(bool on, const QString& nic);
    void build_server_project_tree(const cJSON* tree);

    Ui::CorvaneIOT_Managesystem* ui;
    ORB_Loader* loader;
    ORB_CONN2DEVICE* conn2device;
    ORB_CONN2SERVER* conn2server;
    QTranslator* translator;
    int language;
    QMap<QString, QString> cloud_project_maps[2];
    // What the trees, prompts and account code share, handed to them by reference.
    ORB_WindowState shared;
    QSystemTrayIcon* tray_icon = nullptr;
    QAction* quit_action = nullptr;
    QAction* open_action = nullptr;
    QMenu* tray_menu = nullptr;
    ORB_LocalProjects* local_projects;
    ORB_LocalDeviceTree* device_tree;
    ORB_SwitchOpener* switch_opener;
    class ORB_CsvFiles* csv_files;
    std::unique_ptr<class ORB_ListedSwitches> listed_switches;
    class ORB_SiteReport* site_report;
    class ORB_AddressPlanRun* plan_run;
    class ORB_AddressCheck* address_check;
    class ORB_SightCommissioning* sight_commissioning;
    class ORB_ChangeJournal* journal;
    class ORB_JournalPage* journal_page;
    ORB_CloudProjectTree* cloud_tree;
    ORB_CloudAccount* cloud_account;
    class ORB_SearchWatch* search_watch;
    class ORB_AppPage* app_page;
};
