// The cheap look at a datagram's start that lets a flood pass without being
// decoded: it may only ever turn away what the full decoding turns away.

#include "device/device_datagram.h"

#include <QTest>

const QByteArray EXPECTED = "Tag12345";

class TestDeviceDatagram : public QObject
{
    Q_OBJECT

private slots:
    void theStartTellsOnlyWhatItShows_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("turned_away");
        const QByteArray data = ",\"data\":{\"ip\":\"10.0.0.1\",\"sn\":\"SIM000000001\",\"mac\":\"02:4F:52:00:00:01\"}}";
        QTest::newRow("another tag first") << QByteArray("{\"cmd\":\"replyudp\",\"syn\":\"Other123\"") + data << true;
        QTest::newRow("the tag") << QByteArray("{\"cmd\":\"replyudp\",\"syn\":\"Tag12345\"") + data << false;
        QTest::newRow("the tag, longer") << QByteArray("{\"cmd\":\"replyudp\",\"syn\":\"Tag12345-and-more\"") + data
                                         << false;
        QTest::newRow("a shorter tag") << QByteArray("{\"cmd\":\"replyudp\",\"syn\":\"Tag1\"") + data << true;
        QTest::newRow("spaces") << QByteArray(" { \"cmd\" : \"replyudp\" , \"syn\" : \"Other123\"") + data << true;
        QTest::newRow("data first") << QByteArray("{\"data\":{\"ip\":\"10.0.0.1\"},\"syn\":\"Other123\",\"x\":\"")
                                           + QByteArray(60, 'x') + "\"}"
                                    << false;
        QTest::newRow("an escape first") << QByteArray("{\"cmd\":\"re\\\"ply\",\"syn\":\"Other123\"") + data << false;
        QTest::newRow("past the start") << QByteArray("{\"cmd\":\"") + QByteArray(70, 'c') + "\",\"syn\":\"Other123\""
                                                  + data
                                           << false;
        QTest::newRow("short") << QByteArray("{\"syn\":\"Other123\"}") << false;
        QTest::newRow("no JSON") << QByteArray(100, '{') << false;
    }

    void theStartTellsOnlyWhatItShows()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, turned_away);
        const QByteArray d = ORB_DeviceDatagram::frame(text);
        QCOMPARE(ORB_DeviceDatagram::shows_other_tag(d, EXPECTED), turned_away);
        ORB_DeviceDatagram::Verdict verdict;
        if (turned_away) // the full decoding turns it away too
            QVERIFY(!ORB_DeviceDatagram::open_reply(d, EXPECTED, &verdict));
    }

    // Every cut of a datagram: the look never turns away the reply itself.
    void neverTheReply()
    {
        const QByteArray d =
            ORB_DeviceDatagram::frame("{\"cmd\":\"replyudp\",\"syn\":\"Tag12345\",\"data\":{\"login\":\"success\"}}");
        for (int length = 0; length <= d.size(); ++length)
            QVERIFY(!ORB_DeviceDatagram::shows_other_tag(d.left(length), EXPECTED));
    }
};

QTEST_GUILESS_MAIN(TestDeviceDatagram)
#include "test_device_datagram.moc"
