#include "csv_files.h"

#include "codec/cjson_util.h"
#include "codec/csv_table.h"
#include "device/orb_conn2device.h"
#include "projects/site_rows.h"
#include "projects/whole_file.h"
#include "ui/listed_switches.h"
#include "ui/local_projects.h"

#include <QFile>
#include <QFileDialog>
#include <QJsonObject>
#include <QLineEdit>

namespace {

// Header names a plan file may use for each of its columns.
const QList<QStringList> PLAN_COLUMNS = {{"sn", "serial number", "serial"},
                                         {"ip", "address", "new address", "ip address"},
                                         {"mask", "subnet mask"},
                                         {"gateway", "gw"}};
const char* const PLAN_KEYS[] = {"sn", "newIp", "mask", "gateway"};

// The journal's changes, after the table.
const QStringList CHANGE_HEADER = {"time", "serial number", "change", "outcome"};
const char* const CHANGE_KEYS[] = {"time", "sn", "change", "outcome"};

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

// The table's rows, then a blank row and the changes with their own header.
QList<QStringList> with_changes(QList<QStringList> rows, const QByteArray& changes)
{
    const CJsonPtr list(cJSON_Parse(changes.constData()));
    if (!cJSON_IsArray(list.get()))
        return rows;
    rows.append(QStringList());
    rows.append(CHANGE_HEADER);
    const cJSON* change = nullptr;
    cJSON_ArrayForEach(change, list.get())
    {
        QStringList row;
        for (const char* key : CHANGE_KEYS)
            row.append(QString::fromUtf8(cjson_string_member(change, key)));
        rows.append(row);
    }
    return rows;
}

} // namespace

ORB_CsvFiles::ORB_CsvFiles(QWidget* window, QLineEdit* state_text, ORB_CONN2DEVICE* device_link,
                           const ORB_LocalProjects* projects, const ORB_ListedSwitches* switches, QObject* parent)
    : QObject(parent)
    , window(window)
    , state_text(state_text)
    , device_link(device_link)
    , projects(projects)
    , switches(switches)
{
    // Queued: a file dialog opened inside the page's call would hold the page.
    connect(device_link, &ORB_CONN2DEVICE::csv_export_requested, this, &ORB_CsvFiles::export_table,
            Qt::QueuedConnection);
    connect(device_link, &ORB_CONN2DEVICE::plan_import_requested, this, &ORB_CsvFiles::import_plan,
            Qt::QueuedConnection);
}

void ORB_CsvFiles::export_table(const QString& which, const QString& changes)
{
    const bool project = which == "project";
    const QJsonArray rows = project ? switches->project_rows() : switches->list_rows(false);
    QJsonObject message{{"command", "csvExported"}, {"which", which}};
    const QString suggested = project ? projects->open_project_name() + ".csv" : "switches.csv";
    const QString path = QFileDialog::getSaveFileName(window, tr("Export switches"), suggested, tr("CSV files (*.csv)"));
    if (path.isEmpty()) {
        message.insert("canceled", true);
        tell_page(message);
        return;
    }
    const QByteArray table = ORB_CsvTable::write(ORB_SiteRows::csv_header(rows),
                                                 with_changes(ORB_SiteRows::csv_rows(rows), changes.toUtf8()));
    if (const QString problem = ORB_WholeFile::write(path, table); problem.isEmpty()) {
        message.insert("file", path);
        message.insert("rows", rows.size());
        if (!project) // a list that lost answers is not the whole site
            message.insert("lost", device_link->answers_lost());
        state_text->setText(tr("%n switch(es) exported to %1", nullptr, rows.size()).arg(path));
    } else {
        message.insert("error", problem);
        state_text->setText(tr("The CSV file %1 could not be written: %2").arg(path, problem));
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
