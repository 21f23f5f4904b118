// Base64 against its published vectors, and what the callers of the payload
// cipher rely on at the edges: decoding that stops where a datagram ends, and
// calls refused without a change. The known answers pin the cipher itself.

#include "codec/base64.h"
#include "codec/payload_cipher.h"

#include <QTest>

#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

QByteArray decode(const QByteArray& text)
{
    // Exactly sized heap copy: a sanitizer build sees any read past the terminator.
    std::vector<char> input(text.begin(), text.end());
    input.push_back('\0');
    Bytes out(base64_decoded_capacity(size_t(text.size())), 0xEE);
    uint32_t n = 12345;
    if (!base64_decode(input.data(), out.data(), &n))
        return "<null>";
    return QByteArray(reinterpret_cast<const char*>(out.data()), int(n));
}

} // namespace

class TestPayloadCipher : public QObject
{
    Q_OBJECT

private slots:
    void base64Rfc4648()
    {
        const QList<QPair<QByteArray, QByteArray>> vectors = {
            {"f", "Zg=="}, {"fo", "Zm8="}, {"foobar", "Zm9vYmFy"}, {QByteArray("\xfb\xff\xbf", 3), "+/+/"}};
        for (const auto& [plain, encoded] : vectors) {
            QByteArray out(encoded.size() + 4, '#');
            uint32_t n = 0;
            QVERIFY(base64_encode(reinterpret_cast<const unsigned char*>(plain.constData()), uint32_t(plain.size()),
                                  out.data(), &n));
            QCOMPARE(out, encoded + "####"); // no terminator written
            QCOMPARE(uint64_t(n), base64_encoded_length(uint64_t(plain.size())));
            QCOMPARE(decode(encoded), plain);
        }
        QCOMPARE(base64_encoded_length(0xFFFFFFFFull), uint64_t(4 * 0x55555555ull));
    }

    // Decoding stops at the first character outside the alphabet, keeping
    // whole bytes decoded so far: the switches end their datagrams with CR LF.
    void base64DecodeStops()
    {
        const QList<QPair<QByteArray, QByteArray>> cases = {
            {"", ""},           {"Zm9vYg==\r\n", "foob"}, {"Zg==Zm9v", "f"},    {"Zm9v\r\nYmFy", "foo"},
            {"Zm9vYm-y", "foob"}, {"Zm9vY", "foo"}, {"Zm9vYm", "foob"},    {"Zm9vYmE", "fooba"}, {"Zm9v\xc3\xa4", "foo"}};
        for (const auto& [text, decoded] : cases)
            QCOMPARE(decode(text), decoded);
    }

    void nullArgumentsGiveNull()
    {
        unsigned char data[8] = {1, 2, 3};
        char text[16] = {};
        uint32_t n = 99;
        QVERIFY(!base64_encode(nullptr, 3, text, &n) && !base64_encode(data, 3, nullptr, &n));
        QVERIFY(!base64_encode(data, 0, text, &n));
        QCOMPARE(n, 99u);
        QCOMPARE(text[0], '\0'); // nothing written for a zero length
        QVERIFY(!base64_decode(nullptr, data, &n) && !base64_decode("Zm9v", nullptr, &n));
        QVERIFY(!payload_encrypt(data, 3, nullptr, true, text) && !payload_encrypt(data, 3, DEVICE_PAYLOAD_KEY, true, nullptr));
        QCOMPARE(data[0], 1); // a refused call leaves the plaintext alone
        QVERIFY(!payload_decrypt(nullptr, 4, DEVICE_PAYLOAD_KEY, true, data));
        QVERIFY(!payload_decrypt("Zm9v", 4, DEVICE_PAYLOAD_KEY, true, nullptr));
    }
};

QTEST_APPLESS_MAIN(TestPayloadCipher)
#include "test_payload_cipher.moc"
