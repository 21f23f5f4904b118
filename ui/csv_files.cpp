#include "csv_files.h"

#include "codec/csv_table.h"
#include "device/orb_conn2device.h"
#include "ui/local_projects.h"

#include <QFile>
#include <QFileDialog>
#include <QHash>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QStringList HEADER = {"address", "serial number", "MAC", "model", "firmware", "state", "conflict"};
// Header names a plan file may use for each of its columns.
const QList<QStringList> PLAN_COLUMNS = {{"sn", "serial number", "serial"},
                                         {"ip", "address", "new address", "ip address"},
                                         {"mask", "subnet mask"},
                                         {"gateway", "gw"}};
const char* const PLAN_KEYS[] = {"sn", "newIp", "mask", "gateway"};

// A watch's mark as the export writes it.
QString watch_mark(const QJsonObject& device)
{
    const QString mark = device["watch"].toString();
    if (mark == "missing")
        return "missing, last seen " + device["lastSeen"].toString();
    if (mark == "changed")
        return "changed, was " + device["wasIp"].toString()
               + (device["wasActive"].toBool() ? " (active)" : " (not activated)");
    return mark;
}

// Where each plan column is in a header row; all -1 when it is no header.
QList<int> plan_columns(const QStringList& first_row)
{
    QList<int> at;
    for (const QStringList& names : PLAN_COLUMNS) {
        int found = -1;
        for (int c = 0; c < first_row.size() && found < 0; ++c)
            if (names.contains(first_row[c].trimmed().toLower()))
                found = c;
        at.append(found);
    }
    return at;
}

} // namespace

ORB_CsvFiles::ORB_CsvFiles(QWidget* window, ORB_CONN2DEVICE* device_link, ORB_LocalProjects* projects,
                           QObject* parent)
    : QObject(parent)
    , window(window)
    , device_link(device_link)
    , projects(projects)
{
    // Queued: a file dialog opened inside the page's call would hold the page.
    connect(device_link, &ORB_CONN2DEVICE::csv_export_requested, this, &ORB_CsvFiles::export_table,
            Qt::QueuedConnection);
    connect(device_link, &ORB_CONN2DEVICE::plan_import_requested, this, &ORB_CsvFiles::import_plan,
            Qt::QueuedConnection);
}

QList<QStringList> ORB_CsvFiles::switch_rows(const QJsonArray& devices)
{
    QHash<QString, int> switches_on;
    bool watched = false;
    for (const QJsonValue& d : devices) {
        watched = watched || d.toObject().contains("watch");
        if (d["watch"].toString() != "missing") // not there, so on no address
            ++switches_on[d["ip"].toString()];
    }
    QList<QStringList> rows;
    for (const QJsonValue& d : devices) {
        const bool missing = d["watch"].toString() == "missing";
        const int others = missing ? 0 : switches_on.value(d["ip"].toString()) - 1;
        rows.append({d["ip"].toString(), d["sn"].toString(), d["mac"].toString(), d["model"].toString(),
                     d["V"].toString(), d["active"].toString() == "active" ? "active" : "not activated",
                     others > 0 ? QString("address shared with %1 other switch(es)").arg(others) : QString()});
        if (watched)
            rows.last().append(watch_mark(d.toObject()));
    }
    return rows;
}

QJsonArray ORB_CsvFiles::discovery_devices() const
{
    const QJsonArray watched = watched_list ? watched_list() : QJsonArray();
    return watched.isEmpty() ? device_link->last_search() : watched;
}

QJsonArray ORB_CsvFiles::project_devices() const
{
    QJsonArray devices;
    for (const ORB_DeviceRecord& d : projects->open_project_devices())
        devices.append(QJsonObject{{"ip", d.ip}, {"sn", d.sn}, {"mac", d.mac}, {"model", d.model}, {"V", ""},
                                   {"active", d.active}});
    return devices;
}

void ORB_CsvFiles::export_table(const QString& which)
{
    const bool project = which == "project";
    const QJsonArray devices = project ? project_devices() : discovery_devices();
    const bool watched = !devices.isEmpty() && devices.first().toObject().contains("watch");
    QJsonObject message{{"command", "csvExported"}, {"which", which}};
    const QString suggested = project ? projects->open_project_name() + ".csv" : "switches.csv";
    const QString path = QFileDialog::getSaveFileName(window, tr("Export switches"), suggested, tr("CSV files (*.csv)"));
    if (path.isEmpty()) {
        message.insert("canceled", true);
        tell_page(message);
        return;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(ORB_CsvTable::write(watched ? HEADER + QStringList{"watch"} : HEADER, switch_rows(devices))) >= 0
        && file.commit()) {
        message.insert("file", path);
        message.insert("rows", devices.size());
    } else {
        message.insert("error", file.errorString());
    }
    tell_page(message);
}

QJsonArray ORB_CsvFiles::plan_entries(const QList<QStringList>& rows, QString* error)
{
    QList<int> at = rows.isEmpty() ? QList<int>() : plan_columns(rows.first());
    const bool header = !at.isEmpty() && at[0] >= 0 && at[1] >= 0;
    if (!header)
        at = {0, 1, 2, 3};
    QJsonArray entries;
    for (int r = header ? 1 : 0; r < rows.size(); ++r) {
        QJsonObject entry;
        for (int k = 0; k < at.size(); ++k) {
            const QString value = at[k] >= 0 ? rows[r].value(at[k]).trimmed() : QString();
            if (!value.isEmpty())
                entry.insert(PLAN_KEYS[k], value);
        }
        if (!entry.contains("sn") || !entry.contains("newIp")) {
            *error = QString("row %1 has no serial number or no address").arg(r + 1);
            return {};
        }
        entries.append(entry);
    }
    if (entries.isEmpty())
        *error = "the file holds no plan";
    return entries;
}

void ORB_CsvFiles::import_plan()
{
    QJsonObject message{{"command", "planImported"}};
    const QString path = QFileDialog::getOpenFileName(window, tr("Import an address plan"), QString(),
                                                      tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty()) {
        message.insert("canceled", true);
        tell_page(message);
        return;
    }
    QFile file(path);
    QString error;
    QJsonArray entries;
    // At most one byte over the limit is read, whatever the file is (a pipe
    // or a device has no size to check first); the reader refuses it then.
    if (!file.open(QIODevice::ReadOnly))
        error = file.errorString();
    else if (const ORB_CsvTable::Rows rows = ORB_CsvTable::read(file.read(ORB_CsvTable::MAX_BYTES + 1), &error);
             error.isEmpty())
        entries = plan_entries(rows, &error);
    message.insert("file", path);
    if (error.isEmpty())
        message.insert("rows", entries);
    else
        message.insert("error", error);
    tell_page(message);
}

void ORB_CsvFiles::tell_page(const QJsonObject& message)
{
    device_link->tell_page(message);
}
