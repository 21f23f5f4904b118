#pragma once
// The rows of a site's switches: one source for the CSV files and the site
// report, so the two never disagree. A row is a switch the last search
// listed, marked as in the open local project or not, with what the address
// plans of this run did to it; the report adds the project's switches the
// search did not find. A row never holds a password.
//
// A row: {"ip","sn","mac","model","V","active":bool,"sharedWith":n,
// "inProject":bool} and, when they apply, "notSeen":true, "plan":{"oldIp",
// "newIp","state"[,"reason"][,"at"]} and a watch's "watch", "lastSeen",
// "wasIp" and "wasActive".

#include "projects/device_records.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <QVector>

class ORB_SiteRows
{
public:
    // listed: a search's "device" entries; plan_outcomes: by serial number.
    static QJsonArray rows(const QJsonArray& listed, const QVector<ORB_DeviceRecord>& project,
                           const QHash<QString, QJsonObject>& plan_outcomes, bool with_unseen);
    // The project's own switches as rows, in its order (it keeps no firmware).
    static QJsonArray project_rows(const QVector<ORB_DeviceRecord>& project,
                                   const QHash<QString, QJsonObject>& plan_outcomes);
    // By address, numerically, then by serial number; what is no address comes last.
    static void sort_by_address(QJsonArray* rows);

    // The CSV table of rows: address, serial number, MAC, model, firmware,
    // state, conflict, local project; and the watch's mark when rows carry one.
    static QStringList csv_header(const QJsonArray& rows);
    static QList<QStringList> csv_rows(const QJsonArray& rows);
};
