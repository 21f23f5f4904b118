#pragma once
// The local device tree as a search fills it, and what it offers on a switch:
// the login and activation prompts and their results, the red "unactive"
// button, the IP editor, the address change and the restart wait. Prompts and
// waits keep the switch's serial number and find its item again afterwards,
// because a search may have replaced the tree meanwhile.

#include "codec/cjson_util.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QList>
#include <QPair>

#include <functional>

class ORB_AddressCheck;
class ORB_CONN2DEVICE;
class ORB_Passwd_Window;
class QComboBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

class ORB_LocalDeviceTree : public QObject
{
    Q_OBJECT

public:
    enum Row { IP_ROW, SN_ROW, MAC_ROW, MODEL_ROW, VERSION_ROW, ACTIVE_ROW, ROW_COUNT };

    // Hands a logged-in switch to the page and records it (see ORB_SwitchOpener).
    using OpenSwitch = std::function<void(QTreeWidgetItem* device, const QString& passwd, bool notify, bool record)>;

    struct Widgets
    {
        QWidget* window;
        QTreeWidget* tree;
        QComboBox* interfaces;
        QLineEdit* state_text;
    };

    ORB_LocalDeviceTree(Widgets widgets, ORB_CONN2DEVICE* device_link, QObject* parent);
    void set_open_switch(OpenSwitch open) { open_switch = std::move(open); }
    // Whether the tree shows a project with unsaved changes, which no search may take the place of.
    void set_keeps_project(std::function<bool()> keeps) { keeps_project = std::move(keeps); }
    // Commission on sight's word for a planned switch, beside its address.
    void show_commission_mark(const QString& sn, const QString& text);
    // A new address is checked on the wire before the switch is asked.
    void set_address_check(ORB_AddressCheck* check) { address_check = check; }

    void search();
    void fill(const cJSON* devices);
    // Switches of the running search as they answer; the first batch
    // replaces what the tree showed.
    void add_live_rows(const cJSON* devices);

    // A watch's rounds leave the tree's searches alone: they add the
    // switches not yet shown as they answer, and mark every switch at the
    // round's end; rows keep their place.
    void add_watch_rows(const cJSON* devices);
    // The watch's list of every switch seen, marked ("watch", "was", "lastSeen").
    void show_watch_round(const QJsonArray& marked);

    // A top-level switch item with its six rows, as a search makes it.
    bool is_switch(QTreeWidgetItem* item) const;
    QTreeWidgetItem* find_switch(const QString& sn) const;
    // Runs a request for the switch sn with its address and waits for it;
    // returns the switch's item found again afterwards, or null when it is gone.
    QTreeWidgetItem* ask(const QString& sn, const std::function<void(const QString& ip)>& request);
    static QString value(QTreeWidgetItem* device, Row row);

    void open_login_prompt(QTreeWidgetItem* device);
    void open_activation_prompt(QTreeWidgetItem* device);
    void show_ip_editor(QTreeWidgetItem* device);
    // The red button; its click writes clicked_text into the cell and opens
    // the activation prompt.
    void place_unactive_button(QTreeWidgetItem* device, int width, const QString& clicked_text);

private:
    QTreeWidgetItem* new_switch_item(const cJSON* element) const;
    void prepare_tree();
    QList<QTreeWidgetItem*> add_switch_items(const cJSON* devices);
    void place_due_button(QTreeWidgetItem* device);
    // Marks the switches that answer on the same address, and notes which.
    void mark_shared_addresses(const QList<QTreeWidgetItem*>& devices);
    QString search_summary(const QString& nic, bool refused) const;
    ORB_Passwd_Window* new_prompt(QTreeWidgetItem* device, const QString& title);
    // Keeps a request for the end of a running watch round; false when none runs.
    bool held_for_round(std::function<void()> request);
    // True, and says so, when the shown project keeps the tree.
    bool tree_kept();
    void login_result(const QString& sn, const QString& passwd);
    void activation_result(const QString& sn, const QString& passwd);
    void change_ip(const QString& sn, const QString& new_ip);
    void restart_done(const QString& sn);
    // Whether another host than the switch answers at new_ip: then the
    // person is told, and the switch is not asked.
    bool address_in_use(const QString& new_ip, const QString& own_mac);
    void set_cell_text(QTreeWidgetItem* device, Row row, const QString& text);
    QHash<QString, QTreeWidgetItem*> switches_by_serial() const;
    // The entries of marked that the tree has no row for.
    QJsonArray unshown(const QJsonArray& marked) const;
    void update_switch_item(QTreeWidgetItem* device, const QJsonObject& entry);
    void show_watch_mark(QTreeWidgetItem* device, const QJsonObject& entry);
    void information(const QString& text, const QString& title = QString());
    void critical(const QString& text, const QString& title = QString());

    Widgets ui;
    ORB_CONN2DEVICE* device_link;
    ORB_AddressCheck* address_check = nullptr;
    OpenSwitch open_switch;
    int switches_filled = 0;
    bool own_search = false; // the Search button's search is running
    std::function<bool()> keeps_project = [] { return false; };
    int live_rows = -1;      // how many of the running search's switches the tree holds; -1: none
    // Addresses that several switches answer on, with how many, in list order.
    QList<QPair<QString, int>> shared_addresses;
};
