// The cloud request signature: the chain against an independently computed
// vector, and the header layout the service parses.

#include "codec/request_signature.h"

#include <QRegularExpression>
#include <QTest>

class TestRequestSignature : public QObject
{
    Q_OBJECT

private slots:
    // Computed apart from this code: an input left out, swapped or without its
    // separator changes it.
    void chainVector()
    {
        QCOMPARE(compute_signature(BUILTIN_CREDENTIAL_ID, BUILTIN_SIGNING_KEY, "q3Vd8Lm0Zx2Ty7Pa", "MobileLogin",
                                   "1764979200"),
                 QString("6badd5d9dd16ee70fbe22e0a653aabcf6e865bff55afdd8bdbd0dfe25b618982"));
    }

    void headerLayout()
    {
        for (const auto& [credential, key] : {std::pair<QString, QString>{BUILTIN_CREDENTIAL_ID, BUILTIN_SIGNING_KEY},
                                              std::pair<QString, QString>{}}) {
            const QString value = build_authorization(credential, key, "QueryDevice", "1764979200");
            const QRegularExpressionMatch m =
                QRegularExpression("^Type=ORB1-HMAC-SHA256,Credential=(.*),Nonce=([0-9a-zA-Z]{16}),"
                                   "Signature=([0-9a-f]{64})$")
                    .match(value);
            QVERIFY2(m.hasMatch(), qPrintable(value));
            QCOMPARE(m.captured(1), credential);
            QCOMPARE(m.captured(3), compute_signature(credential, key, m.captured(2), "QueryDevice", "1764979200"));
            // A second header in the same second differs only by its nonce.
            const QString again = build_authorization(credential, key, "QueryDevice", "1764979200");
            QVERIFY(again != value);
            QCOMPARE(again.left(again.indexOf(",Nonce=")), value.left(value.indexOf(",Nonce=")));
        }
    }

    void randomTextAlphabet()
    {
        const QString text = random_text(3000);
        QVERIFY(text.contains(QRegularExpression("\\A[0-9a-zA-Z]{3000}\\z")));
        const int digits = text.count(QRegularExpression("[0-9]"));
        const int lower = text.count(QRegularExpression("[a-z]"));
        const int upper = text.count(QRegularExpression("[A-Z]"));
        QVERIFY(digits > 800 && lower > 800 && upper > 800); // a third each, roughly
        QVERIFY(random_text(3000) != text); // never the same draw twice, even from one start
    }
};

QTEST_APPLESS_MAIN(TestRequestSignature)
#include "test_request_signature.moc"
