// The rows the CSV files and the site report share: which switches they
// hold, how they are marked and ordered, and that no password gets in.

#include "projects/site_rows.h"

#include <QJsonDocument>
#include <QTest>

namespace {

QJsonObject listed_switch(const QString& ip, const QString& sn, const QString& active = "active")
{
    return {{"ip", ip}, {"sn", sn}, {"mac", "02:00:00:00:00:" + sn.right(2)}, {"model", "GS2408P"},
            {"V", "V2.1.7"}, {"active", active}};
}

QStringList serials(const QJsonArray& rows)
{
    QStringList sns;
    for (const QJsonValue& row : rows)
        sns.append(row["sn"].toString());
    return sns;
}

} // namespace

class TestSiteRows : public QObject
{
    Q_OBJECT

private slots:
    void rowsMarkTheProjectThePlanAndSharedAddresses()
    {
        QJsonObject missing = listed_switch("192.168.1.1", "SW04");
        missing.insert("watch", "missing");
        missing.insert("lastSeen", "10:00:00");
        QJsonObject odd = listed_switch("10.0.0.9", "SW05", "inactive");
        odd.insert("model", 42); // a switch's odd answer stays text
        const QJsonArray listed = {listed_switch("192.168.1.1", "SW01"), listed_switch("192.168.1.1", "SW02"),
                                   listed_switch("192.168.1.41", "SW03"), missing, odd};
        const QVector<ORB_DeviceRecord> project = {{"192.168.1.41", "SW03", "m3", "GS2408P", "c2VjcmV0", "active"},
                                                   {"192.168.1.99", "GONE", "m9", "GS2410M", "c2VjcmV0", "active"},
                                                   {"192.168.1.99", "GONE", "m9", "GS2410M", "c2VjcmV0", "active"}};
        const QHash<QString, QJsonObject> plan = {
            {"SW03", {{"oldIp", "10.0.0.3"}, {"newIp", "192.168.1.41"}, {"state", "confirmed"}}},
            {"GONE", {{"oldIp", "10.0.0.9"}, {"newIp", "192.168.1.99"}, {"state", "unconfirmed"}, {"reason", "notFound"}}}};

        const QJsonArray rows = ORB_SiteRows::rows(listed, project, plan, true);
        QCOMPARE(serials(rows), (QStringList{"SW01", "SW02", "SW03", "SW04", "SW05", "GONE"}));
        // Two switches answer on 192.168.1.1; the missing one is on no address.
        QCOMPARE(rows[0]["sharedWith"].toInt(), 1);
        QCOMPARE(rows[3]["sharedWith"].toInt(), 0);
        QCOMPARE(rows[3]["lastSeen"].toString(), QString("10:00:00"));
        QVERIFY(rows[2]["inProject"].toBool() && !rows[0]["inProject"].toBool());
        QCOMPARE(rows[2]["plan"]["oldIp"].toString(), QString("10.0.0.3"));
        QCOMPARE(rows[4]["model"].toString(), QString(""));
        QVERIFY(!rows[4]["active"].toBool());
        // The project's switch the search did not find, once, with its plan's outcome.
        QVERIFY(rows[5]["notSeen"].toBool() && rows[5]["inProject"].toBool());
        QCOMPARE(rows[5]["plan"]["reason"].toString(), QString("notFound"));
        QVERIFY(!rows[0].toObject().contains("notSeen"));
        // Without the unseen: the list as it is, for the list's CSV file.
        QCOMPARE(ORB_SiteRows::rows(listed, project, plan, false).size(), 5);

        const QByteArray text = QJsonDocument(rows).toJson() + QJsonDocument(ORB_SiteRows::project_rows(project, plan)).toJson();
        QVERIFY(!text.contains("c2VjcmV0") && !text.contains("passwd"));
    }

    void sortedByAddressThenSerialNumber()
    {
        QJsonArray rows = ORB_SiteRows::rows({listed_switch("192.168.1.2", "B"), listed_switch("no address", "A"),
                                              listed_switch("10.0.0.10", "C"), listed_switch("192.168.1.2", "A"),
                                              listed_switch("10.0.0.9", "D"), listed_switch("9.255.255.255", "E")},
                                             {}, {}, true);
        ORB_SiteRows::sort_by_address(&rows);
        QCOMPARE(serials(rows), (QStringList{"E", "D", "C", "A", "B", "A"}));
        QCOMPARE(rows.last()["ip"].toString(), QString("no address"));
    }

    void csvTable()
    {
        QJsonObject changed = listed_switch("192.168.1.1", "SW03");
        changed.insert("watch", "changed");
        changed.insert("wasIp", "10.0.0.3");
        changed.insert("wasActive", false);
        const QJsonArray listed = {listed_switch("192.168.1.1", "SW01", "inactive"), listed_switch("192.168.1.1", "SW02")};
        const QVector<ORB_DeviceRecord> project = {{"192.168.1.1", "SW02", "m", "GS2408P", "c2VjcmV0", "active"}};

        const QJsonArray rows = ORB_SiteRows::rows(listed, project, {}, false);
        QCOMPARE(ORB_SiteRows::csv_header(rows).join(','),
                 QString("address,serial number,MAC,model,firmware,state,conflict,local project"));
        QCOMPARE(ORB_SiteRows::csv_rows(rows).value(1),
                 (QStringList{"192.168.1.1", "SW02", "02:00:00:00:00:02", "GS2408P", "V2.1.7", "active",
                              "address shared with 1 other switch(es)", "in project"}));
        QCOMPARE(ORB_SiteRows::csv_rows(rows).value(0).value(5), QString("not activated"));

        // While watching, each row says what the watch saw.
        const QJsonArray watched = ORB_SiteRows::rows({changed}, {}, {}, false);
        QCOMPARE(ORB_SiteRows::csv_header(watched).last(), QString("watch"));
        QCOMPARE(ORB_SiteRows::csv_rows(watched).value(0).last(), QString("changed, was 10.0.0.3 (not activated)"));
    }
};

QTEST_MAIN(TestSiteRows)
#include "test_site_rows.moc"
