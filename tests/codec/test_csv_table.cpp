// CSV files as spreadsheets write and read them, and cells from the LAN that
// must not run as formulas.

#include "codec/csv_table.h"

#include <QTest>

class TestCsvTable : public QObject
{
    Q_OBJECT

private slots:
    // Reading what it writes back, guards included, is fuzz_csv_table's check.
    void writtenForSpreadsheets()
    {
        QCOMPARE(ORB_CsvTable::write({"ip", "sn", "note"}, {{"10.0.0.1", "A,1", "say \"hi\"\nthere"},
                                                               {"=cmd|' /C calc'!A0", "-2", "@x"},
                                                               {"+1", "ü", ""},
                                                               {"\t=1+2", "\r@x", "a-b"}}),
                 QByteArray("\xEF\xBB\xBFip,sn,note\r\n"
                            "10.0.0.1,\"A,1\",\"say \"\"hi\"\"\nthere\"\r\n"
                            "'=cmd|' /C calc'!A0,'-2,'@x\r\n"
                            "'+1,\xC3\xBC,\r\n"
                            "'\t=1+2,\"'\r@x\",a-b\r\n"));
    }

    void readAsPeopleWriteThem()
    {
        QString error;
        // No mark, LF and lone CR line ends, blank lines, a last line without an end.
        QCOMPARE(ORB_CsvTable::read("sn,ip\n\nA,1.2.3.4\rB,\"5.6.7.8\"", &error),
                 (ORB_CsvTable::Rows{{"sn", "ip"}, {"A", "1.2.3.4"}, {"B", "5.6.7.8"}}));
        for (const QByteArray& broken : {QByteArray("sn,ip\nA,\"1.2.3.4\n"), QByteArray("sn\n\"A\"x,1\n"),
                                         QByteArray("sn\n\xFF\xFE\n")}) {
            QVERIFY(ORB_CsvTable::read(broken, &error).isEmpty());
            QVERIFY2(!error.isEmpty(), broken.constData());
        }
        QVERIFY(error.startsWith("the file is not UTF-8"));
        ORB_CsvTable::read(QByteArray(ORB_CsvTable::MAX_BYTES + 1, 'x'), &error);
        QVERIFY(error.contains("larger"));
    }
};

QTEST_APPLESS_MAIN(TestCsvTable)
#include "test_csv_table.moc"
