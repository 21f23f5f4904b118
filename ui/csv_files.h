#pragma once
// The CSV files the page asks for, through the program's own file dialogs:
// the discovery list or the open local project written out (never a
// password), and an address plan read in. Each outcome goes back to the
// page as {"command":"csvExported"} or {"command":"planImported"}.

#include <QJsonArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class ORB_CONN2DEVICE;
class ORB_LocalProjects;
class QWidget;

class ORB_CsvFiles : public QObject
{
    Q_OBJECT

public:
    ORB_CsvFiles(QWidget* window, ORB_CONN2DEVICE* device_link, ORB_LocalProjects* projects, QObject* parent);

    // While watching: every switch the watch has seen, marked; else empty.
    using WatchedList = std::function<QJsonArray()>;
    void set_watched_list(WatchedList list) { watched_list = std::move(list); }

    void export_table(const QString& which);
    void import_plan();

    // The table's rows: address, serial number, MAC, model, firmware, state,
    // conflict; and the watch's mark when the devices carry one.
    static QList<QStringList> switch_rows(const QJsonArray& devices);
    // Plan entries {"sn","newIp"[,"mask"][,"gateway"]} from a file's rows: a
    // header row names the columns, else they come in that order.
    static QJsonArray plan_entries(const QList<QStringList>& rows, QString* error);

private:
    QJsonArray project_devices() const;
    QJsonArray discovery_devices() const;
    void tell_page(const QJsonObject& message);

    QWidget* window;
    ORB_CONN2DEVICE* device_link;
    ORB_LocalProjects* projects;
    WatchedList watched_list;
};
