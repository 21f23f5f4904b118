#pragma once
// Opening a switch from the local tree: a switch of a known model is logged in
// to (with the password recorded this run, or one the user types) and handed
// to the page as "local_sw"; any other model opens in the system's browser.

#include <QObject>
#include <QString>
#include <QStringList>

class ORB_CONN2DEVICE;
class ORB_Loader;
class ORB_LocalDeviceTree;
struct ORB_WindowState;
class QLineEdit;
class QTreeWidgetItem;
class QWidget;

class ORB_SwitchOpener : public QObject
{
    Q_OBJECT

public:
    // The models opened inside the program.
    static const QStringList MODEL_TABLE;

    ORB_SwitchOpener(QWidget* window, QLineEdit* state_text, ORB_LocalDeviceTree* device_tree, ORB_Loader* loader,
                     ORB_CONN2DEVICE* device_link, ORB_WindowState& shared, QObject* parent);

    void local_device_selected(QTreeWidgetItem* current, int column);
    void open_local_device(QTreeWidgetItem* device, const QString& passwd, bool notify, bool record);

private:
    void open_in_browser(const QString& ip);
    void login_with_recorded_password(const QString& sn, const QString& password, int index);

    QWidget* window;
    QLineEdit* state_text;
    ORB_LocalDeviceTree* device_tree;
    ORB_Loader* loader;
    ORB_CONN2DEVICE* device_link;
    ORB_WindowState& shared;
};
