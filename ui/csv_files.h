#pragma once
// The CSV files the page asks for, through the program's own file dialogs:
// the discovery list or the open local project written out (never a
// password), whole or not at all, and an address plan read in. Each outcome goes back to the
// page as {"command":"csvExported"} or {"command":"planImported"}. The page
// may hand over the journal's changes, in its own words, to follow the table.

#include <QJsonArray>
#include <QObject>
#include <QString>
#include <QStringList>

class ORB_CONN2DEVICE;
class ORB_ListedSwitches;
class ORB_LocalProjects;
class QLineEdit;
class QWidget;

class ORB_CsvFiles : public QObject
{
    Q_OBJECT

public:
    ORB_CsvFiles(QWidget* window, QLineEdit* state_text, ORB_CONN2DEVICE* device_link,
                 const ORB_LocalProjects* projects, const ORB_ListedSwitches* switches, QObject* parent);

    // changes: JSON text of [{"time","sn","change","outcome"}…], or empty.
    void export_table(const QString& which, const QString& changes);
    void import_plan();

    // Plan entries {"sn","newIp"[,"mask"][,"gateway"]} from a file's rows: a
    // header row names the columns, else they come in that order.
    static QJsonArray plan_entries(const QList<QStringList>& rows, QString* error);

private:
    void tell_page(const QJsonObject& message);

    QWidget* window;
    QLineEdit* state_text;
    ORB_CONN2DEVICE* device_link;
    const ORB_LocalProjects* projects;
    const ORB_ListedSwitches* switches;
};
