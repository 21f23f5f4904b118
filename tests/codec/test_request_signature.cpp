// The cloud request signature: HMAC against RFC 4231, the chain against an
// independently computed vector, and the header layout the service parses.

#include "codec/request_signature.h"

#include <QRegularExpression>
#include <QtTest>


class TestRequestSignature : public QObject
{
    Q_OBJECT

private slots:
    void hmacRfc4231_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("mac");
        const QByteArray long_key(131, '\xaa');
        QTest::newRow("1") << QByteArray(20, '\x0b') << QByteArray("Hi There")
                           << QByteArray("b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7");
        QTest::newRow("2") << QByteArray("Jefe") << QByteArray("what do ya want for nothing?")
                           << QByteArray("5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
        QTest::newRow("3") << QByteArray(20, '\xaa') << QByteArray(50, '\xdd')
                           << QByteArray("773ea91e36800e46854db8ebd09181a72959098b3ef8c122d9635514ced565fe");
        QTest::newRow("4") << QByteArray::fromHex("0102030405060708090a0b0c0d0e0f10111213141516171819")
                           << QByteArray(50, '\xcd')
                           << QByteArray("82558a389a443c0ea4cc819899f2083a85f0faa3e578f8077a2e3ff46729665b");
        QTest::newRow("6") << long_key << QByteArray("Test Using Larger Than Block-Size Key - Hash Key First")
                           << QByteArray("60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54");
        QTest::newRow("7") << long_key
                           << QByteArray("This is a test using a larger than block-size key and a larger than "
                                         "block-size data. The key needs to be hashed before being used by the "
                                         "HMAC algorithm.")
                           << QByteArray("9b09ffa71b942fcb27635fbcd5b0e944bfdc63644f0713938a7f51535c3a35e2");
    }

    void hmacRfc4231()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, mac);
        QCOMPARE(hmac_sha256(key, data).toHex(), mac);
    }

    void chainVector()
    {
        QCOMPARE(compute_signature(BUILTIN_CREDENTIAL_ID, BUILTIN_SIGNING_KEY, "q3Vd8Lm0Zx2Ty7Pa", "MobileLogin",
                                   "1764979200"),
                 QString("6badd5d9dd16ee70fbe22e0a653aabcf6e865bff55afdd8bdbd0dfe25b618982"));
    }

    void everyInputCounts()
    {
        const QString base = compute_signature("id", "key", "nonce", "Action", "1700000000");
        QCOMPARE(compute_signature("id", "key", "nonce", "Action", "1700000000"), base);
        QVERIFY(compute_signature("id2", "key", "nonce", "Action", "1700000000") != base);
        QVERIFY(compute_signature("id", "key2", "nonce", "Action", "1700000000") != base);
        QVERIFY(compute_signature("id", "key", "nonce2", "Action", "1700000000") != base);
        QVERIFY(compute_signature("id", "key", "nonce", "Action2", "1700000000") != base);
        QVERIFY(compute_signature("id", "key", "nonce", "Action", "1700000001") != base);
        // The separator is a line feed: moving it changes the signature.
        QVERIFY(compute_signature("idA", "key", "nonce", "ction", "1700000000") != base);
    }

    void headerLayout_data()
    {
        QTest::addColumn<QString>("credential");
        QTest::addColumn<QString>("key");
        QTest::newRow("built-in pair") << QString(BUILTIN_CREDENTIAL_ID) << QString(BUILTIN_SIGNING_KEY);
        QTest::newRow("empty pair") << QString() << QString();
    }

    void headerLayout()
    {
        QFETCH(QString, credential);
        QFETCH(QString, key);
        const QString value = build_authorization(credential, key, "QueryDevice", "1764979200");
        const QRegularExpression layout("^Type=ORB1-HMAC-SHA256,Credential=(.*),Nonce=([0-9a-zA-Z]{16}),"
                                        "Signature=([0-9a-f]{64})$");
        const QRegularExpressionMatch m = layout.match(value);
        QVERIFY2(m.hasMatch(), qPrintable(value));
        QCOMPARE(m.captured(1), credential);
        QCOMPARE(m.captured(3), compute_signature(credential, key, m.captured(2), "QueryDevice", "1764979200"));
        if (credential.isEmpty())
            QVERIFY(value.startsWith("Type=ORB1-HMAC-SHA256,Credential=,Nonce="));

        // A second header in the same second differs only by its nonce.
        const QString again = build_authorization(credential, key, "QueryDevice", "1764979200");
        QVERIFY(again != value);
        QCOMPARE(again.left(again.indexOf(",Nonce=")), value.left(value.indexOf(",Nonce=")));
    }

    void randomTextAlphabet()
    {
        const QString text = random_text(3000);
        QCOMPARE(text.size(), 3000);
        int digits = 0, lower = 0, upper = 0;
        for (QChar c : text) {
            const char a = c.toLatin1();
            digits += a >= '0' && a <= '9';
            lower += a >= 'a' && a <= 'z';
            upper += a >= 'A' && a <= 'Z';
        }
        QCOMPARE(digits + lower + upper, 3000);
        QVERIFY(digits > 800 && lower > 800 && upper > 800); // a third each, roughly
        QVERIFY(random_text(0).isEmpty());
        QVERIFY(random_text(3000) != text); // never the same draw twice, even from one start
    }
};

QTEST_APPLESS_MAIN(TestRequestSignature)
#include "test_request_signature.moc"
