// The program's codec against known answers made by a second, independent
// implementation (make_known_answers.py, typed from the system's own
// description): the payload cipher with both keys at every tail position,
// datagrams as the bytes on the wire, cloud signatures and password digests.
// The switches and the cloud speak this codec too, so a slip here breaks
// every real device while the program still agrees with itself.

#include "codec/base64.h"
#include "codec/cjson_util.h"
#include "codec/password_digest.h"
#include "codec/payload_cipher.h"
#include "codec/request_signature.h"
#include "device/device_datagram.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <vector>

class TestKnownAnswers : public QObject
{
    Q_OBJECT

    QJsonObject answers;

    QJsonArray vectors(const char* kind) const { return answers[kind].toArray(); }

    // The Base64 text of data encrypted with key, through the caller-sized
    // buffer the device link and the password store use.
    static QByteArray encrypted(QByteArray data, const char* key)
    {
        std::vector<char> out(base64_encoded_length(data.size()) + 3, '\0');
        if (!payload_encrypt(reinterpret_cast<unsigned char*>(data.data()), data.size(), key, true, out.data()))
            return {};
        return QByteArray(out.data());
    }

    static QByteArray decrypted(const QByteArray& text, const char* key)
    {
        std::vector<unsigned char> out(base64_decoded_capacity(text.size()), 0);
        uint32_t length = 0;
        base64_decode(text.constData(), out.data(), &length); // the plaintext's length, which decrypt does not give
        if (!payload_decrypt(text.constData(), text.size(), key, true, out.data()))
            return {};
        return QByteArray(reinterpret_cast<const char*>(out.data()), int(length));
    }

private slots:
    void initTestCase()
    {
        QFile file(QFINDTESTDATA("known_answers.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        answers = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE((QList<int>{vectors("cipher").size(), vectors("datagrams").size(), vectors("signatures").size(),
                             vectors("password_digests").size()}), (QList<int>{128, 3, 3, 4}));
    }

    void cipherBothWays()
    {
        const QHash<QString, const char*> keys{{"DEVICE_PAYLOAD_KEY", DEVICE_PAYLOAD_KEY},
                                               {"PASSWORD_STORE_KEY", PASSWORD_STORE_KEY}};
        for (const QJsonValue& v : vectors("cipher")) {
            const char* key = keys.value(v["key"].toString());
            QVERIFY(key);
            const QByteArray plain = QByteArray::fromHex(v["plain"].toString().toLatin1());
            const QByteArray base64 = v["base64"].toString().toLatin1();
            const QByteArray which = v["key"].toString().toLatin1() + " length " + QByteArray::number(plain.size());
            QVERIFY2(encrypted(plain, key) == base64, which);
            QVERIFY2(decrypted(base64, key) == plain, which);
            QVERIFY2(decrypted(base64 + "\r\n", key) == plain, which);
        }
    }

    // Requests are built as the link builds them, from their tag and data;
    // the reply is opened as the link opens it.
    void datagramsOnTheWire()
    {
        for (const QJsonValue& v : vectors("datagrams")) {
            const QByteArray text = v["text"].toString().toUtf8();
            const QByteArray wire = v["wire"].toString().toUtf8();
            const QByteArray what = v["what"].toString().toUtf8();
            CJsonPtr parsed(cJSON_Parse(text.constData()));
            QVERIFY2(parsed, what);
            if (what.endsWith("request")) {
                CJsonPtr data(cJSON_DetachItemFromObject(parsed.get(), "data"));
                const CJsonPtr envelope =
                    ORB_DeviceDatagram::envelope(std::move(data), cjson_string_member(parsed.get(), "syn"));
                QCOMPARE(cjson_print(envelope.get()), text);
            }
            QVERIFY2(ORB_DeviceDatagram::frame(text) == wire, what);
            QVERIFY2(cjson_print(ORB_DeviceDatagram::open(wire).get()) == text, what);
        }
    }

    void signatures()
    {
        for (const QJsonValue& v : vectors("signatures"))
            QCOMPARE(compute_signature(v["credential"].toString(), v["key"].toString(), v["nonce"].toString(),
                                       v["action"].toString(), v["timestamp"].toString()),
                     v["signature"].toString());
    }

    void passwordDigests()
    {
        for (const QJsonValue& v : vectors("password_digests"))
            QCOMPARE(QString::fromLatin1(password_digest(v["password"].toString())), v["digest"].toString());
    }
};

QTEST_GUILESS_MAIN(TestKnownAnswers)
#include "test_known_answers.moc"
