// An address plan read from a CSV file through the program's own file
// dialog, as the page asks for it: a header names the columns in any order
// and words, a file without one gives them in order, and a file that holds
// no usable plan says why instead of giving the page a part of it.

#include "device/orb_conn2device.h"
#include "tests/support/test_files.h"
#include "tools/drive/dialog_watcher.h"
#include "ui/csv_files.h"

#include <QJsonArray>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestPlanFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    ORB_CONN2DEVICE link{nullptr};
    QLineEdit state_text;
    ORB_CsvFiles files{&state_text, &state_text, &link, nullptr, nullptr, nullptr};
    DialogWatcher watcher;

    // What the page is told after importing a file with these bytes.
    QJsonObject imported(const QByteArray& bytes)
    {
        const QString path = dir.filePath("plan.csv");
        if (!write_file(path, bytes))
            return {{"error", "cannot write " + path}};
        QSignalSpy told(&link, &ORB_CONN2DEVICE::qt2html_device_udp);
        watcher.file_paths = QStringList{path};
        files.import_plan();
        if (told.size() != 1)
            return {};
        QJsonObject message = told[0][0].toJsonObject();
        if (message.take("file").toString() != path || message.take("command").toString() != "planImported")
            return {};
        return message;
    }

    static QJsonObject entry(const QString& sn, const QString& ip, const QString& mask, const QString& gateway)
    {
        return {{"sn", sn}, {"newIp", ip}, {"mask", mask}, {"gateway", gateway}};
    }

    static QJsonObject error(const char* text) { return {{"error", text}}; }

private slots:
    void columnsByHeaderOrByOrder()
    {
        QCOMPARE(imported("\xEF\xBB\xBF" "Gateway,Address,Serial number,Subnet mask\r\n"
                          "10.1.0.1,10.1.0.11,NEW01,255.255.0.0\r\n"),
                 (QJsonObject{{"rows", QJsonArray{entry("NEW01", "10.1.0.11", "255.255.0.0", "10.1.0.1")}}}));
        // No header: serial number, address, mask, gateway; what is missing stays out.
        QCOMPARE(imported("NEW01,10.1.0.11,255.255.0.0,10.1.0.1\nNEW02,10.1.0.12\n"),
                 (QJsonObject{{"rows", QJsonArray{entry("NEW01", "10.1.0.11", "255.255.0.0", "10.1.0.1"),
                                                  QJsonObject{{"sn", "NEW02"}, {"newIp", "10.1.0.12"}}}}}));
    }

    void filesWithoutAUsablePlan()
    {
        QCOMPARE(imported("sn,ip\r\nNEW01,10.1.0.11\r\nNEW02,\r\n"), error("row 3 has no serial number or no address"));
        QCOMPARE(imported("NEW01,10.1.0.11\r\n,10.1.0.12\r\n"), error("row 2 has no serial number or no address"));
        QCOMPARE(imported("serial number,address\r\n"), error("the file holds no plan"));
        QCOMPARE(imported(""), error("the file holds no plan"));
    }
};

QTEST_MAIN(TestPlanFiles)
#include "test_plan_files.moc"
