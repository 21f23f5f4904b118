// The payload cipher and its Base64 framing, against published vectors and the
// properties the switches and stored files depend on.

#include "codec/base64.h"
#include "codec/payload_cipher.h"
#include "codec/payload_text.h"

#include <QtTest>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes words_to_block(uint32_t y, uint32_t z)
{
    Bytes b(8);
    for (int i = 0; i < 4; ++i) {
        b[i] = static_cast<unsigned char>(y >> (8 * i));
        b[4 + i] = static_cast<unsigned char>(z >> (8 * i));
    }
    return b;
}

// Ciphertext bytes (no Base64) of plaintext under key.
Bytes encrypt_raw(const QByteArray& plaintext, const char* key)
{
    Bytes data(plaintext.begin(), plaintext.end());
    Bytes out(data.size() + 1, 0);
    payload_encrypt(data.data(), uint32_t(data.size()), key, false, reinterpret_cast<char*>(out.data()));
    out.resize(data.size());
    return out;
}

QByteArray decode(const char* text)
{
    // Exactly sized heap copy: a sanitizer build sees any read past the terminator.
    std::vector<char> input(text, text + std::strlen(text) + 1);
    Bytes out(base64_decoded_capacity(std::strlen(text)), 0xEE);
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
    void teaBlockVectors_data()
    {
        QTest::addColumn<QVector<uint>>("key");
        QTest::addColumn<QVector<uint>>("plain");
        QTest::addColumn<QVector<uint>>("cipher");
        const QVector<uint> zero{0, 0, 0, 0};
        const QVector<uint> key2{0x01234567, 0x12345678, 0x23456789, 0x3456789A};
        QTest::newRow("zero key, zero block") << zero << QVector<uint>{0, 0} << QVector<uint>{0x41EA3A0A, 0x94BAA940};
        QTest::newRow("zero key") << zero << QVector<uint>{0x01020304, 0x05060708}
                                  << QVector<uint>{0x6A2F9CF3, 0xFCCF3C55};
        QTest::newRow("zero block") << key2 << QVector<uint>{0, 0} << QVector<uint>{0x34E943B0, 0x900F5DCB};
        QTest::newRow("both set") << key2 << QVector<uint>{0x01020304, 0x05060708}
                                  << QVector<uint>{0x773DC179, 0x878A81C0};
    }

    void teaBlockVectors()
    {
        QFETCH(QVector<uint>, key);
        QFETCH(QVector<uint>, plain);
        QFETCH(QVector<uint>, cipher);
        const uint32_t k[4] = {key[0], key[1], key[2], key[3]};
        Bytes block = words_to_block(plain[0], plain[1]);
        tea_encrypt_block(block.data(), k);
        QCOMPARE(block, words_to_block(cipher[0], cipher[1]));
        tea_decrypt_block(block.data(), k);
        QCOMPARE(block, words_to_block(plain[0], plain[1]));
    }

    void base64Rfc4648_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("f") << QByteArray("f") << QByteArray("Zg==");
        QTest::newRow("fo") << QByteArray("fo") << QByteArray("Zm8=");
        QTest::newRow("foo") << QByteArray("foo") << QByteArray("Zm9v");
        QTest::newRow("foob") << QByteArray("foob") << QByteArray("Zm9vYg==");
        QTest::newRow("fooba") << QByteArray("fooba") << QByteArray("Zm9vYmE=");
        QTest::newRow("foobar") << QByteArray("foobar") << QByteArray("Zm9vYmFy");
        QTest::newRow("high bits") << QByteArray("\xfb\xff\xbf", 3) << QByteArray("+/+/");
    }

    void base64Rfc4648()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, encoded);
        QByteArray out(encoded.size() + 4, '#');
        uint32_t n = 0;
        QVERIFY(base64_encode(reinterpret_cast<const unsigned char*>(plain.constData()), uint32_t(plain.size()),
                              out.data(), &n));
        QCOMPARE(int(n), encoded.size());
        QCOMPARE(out.left(int(n)), encoded);
        QCOMPARE(out.mid(int(n)), QByteArray("####")); // no terminator written
        QCOMPARE(uint64_t(n), base64_encoded_length(uint64_t(plain.size())));
        QCOMPARE(decode(encoded.constData()), plain);
    }

    void base64DecodeStops_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("decoded");
        QTest::newRow("empty") << QByteArray("") << QByteArray("");
        QTest::newRow("CR LF after text") << QByteArray("Zm9vYmFy\r\n") << QByteArray("foobar");
        QTest::newRow("CR LF after padding") << QByteArray("Zm9vYg==\r\n") << QByteArray("foob");
        QTest::newRow("padding ends it") << QByteArray("Zg==Zm9v") << QByteArray("f");
        QTest::newRow("CR LF mid text") << QByteArray("Zm9v\r\nYmFy") << QByteArray("foo");
        QTest::newRow("foreign character") << QByteArray("Zm9v*mFy") << QByteArray("foo");
        QTest::newRow("foreign third") << QByteArray("Zm9vYm-y") << QByteArray("foob");
        QTest::newRow("ends after 1 of group") << QByteArray("Zm9vY") << QByteArray("foo");
        QTest::newRow("ends after 2 of group") << QByteArray("Zm9vYm") << QByteArray("foob");
        QTest::newRow("ends after 3 of group") << QByteArray("Zm9vYmE") << QByteArray("fooba");
        QTest::newRow("non-ASCII") << QByteArray("Zm9v\xc3\xa4") << QByteArray("foo");
    }

    void base64DecodeStops()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, decoded);
        QCOMPARE(decode(text.constData()), decoded);
    }

    void nullArgumentsGiveNull()
    {
        unsigned char data[8] = {1, 2, 3};
        unsigned char bytes[16] = {};
        char text[16] = {};
        uint32_t n = 99;
        QVERIFY(!base64_encode(nullptr, 3, text, &n));
        QVERIFY(!base64_encode(data, 3, nullptr, &n));
        QVERIFY(!base64_encode(data, 0, text, &n));
        QCOMPARE(n, 99u);
        QCOMPARE(text[0], '\0'); // nothing written for a zero length
        QVERIFY(!base64_decode(nullptr, bytes, &n));
        QVERIFY(!base64_decode("Zm9v", nullptr, &n));
        QVERIFY(!payload_encrypt(nullptr, 3, DEVICE_PAYLOAD_KEY, true, text));
        QVERIFY(!payload_encrypt(data, 3, nullptr, true, text));
        QVERIFY(!payload_encrypt(data, 3, DEVICE_PAYLOAD_KEY, true, nullptr));
        QCOMPARE(data[0], 1); // a refused call leaves the plaintext alone
        QVERIFY(!payload_decrypt(nullptr, 4, DEVICE_PAYLOAD_KEY, true, bytes));
        QVERIFY(!payload_decrypt("Zm9v", 4, nullptr, true, bytes));
        QVERIFY(!payload_decrypt("Zm9v", 4, DEVICE_PAYLOAD_KEY, true, nullptr));
    }

    void knownAnswer()
    {
        QCOMPARE(encrypt_to_base64("abc", PASSWORD_STORE_KEY), QByteArray("ocLD"));
        QCOMPARE(decrypt_from_base64("ocLD", PASSWORD_STORE_KEY), QByteArray("abc"));
        QCOMPARE(decrypt_from_base64("ocLD\r\n", PASSWORD_STORE_KEY), QByteArray("abc"));
    }

    void roundTripEveryLength_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::newRow("device key") << QByteArray(DEVICE_PAYLOAD_KEY);
        QTest::newRow("password key") << QByteArray(PASSWORD_STORE_KEY);
    }

    void roundTripEveryLength()
    {
        QFETCH(QByteArray, key);
        for (int length = 1; length <= 256; ++length) {
            QByteArray plain(length, '\0');
            for (int i = 0; i < length; ++i)
                plain[i] = char(1 + (i * 37 + length) % 255); // never 0: read back as a text
            // The raw functions with the buffer sizes the callers use.
            Bytes data(plain.begin(), plain.end());
            std::vector<char> text(base64_encoded_length(uint64_t(length)) + 3, 0);
            QVERIFY(payload_encrypt(data.data(), uint32_t(length), key.constData(), true, text.data()));
            Bytes out(base64_decoded_capacity(std::strlen(text.data())), 0);
            QVERIFY(payload_decrypt(text.data(), uint32_t(std::strlen(text.data())), key.constData(), true,
                                    out.data()));
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.data())), plain);
            // The QByteArray face gives the same bytes.
            QCOMPARE(encrypt_to_base64(plain, key.constData()), QByteArray(text.data()));
            QCOMPARE(decrypt_from_base64(QByteArray(text.data()) + "\r\n", key.constData()), plain);
        }
    }

    void zeroLengthSizesNothing()
    {
        QCOMPARE(base64_encoded_length(0), uint64_t(0));
        QCOMPARE(base64_encoded_length(0xFFFFFFFFull), uint64_t(4 * 0x55555555ull));
        QCOMPARE(encrypt_to_base64(QByteArray(), DEVICE_PAYLOAD_KEY), QByteArray());
        QCOMPARE(decrypt_from_base64(QByteArray(), DEVICE_PAYLOAD_KEY), QByteArray());
    }

    void shortPlaintextIsTailOnly()
    {
        // Under seven bytes no block is encrypted: each byte moves by an amount that
        // depends only on its index, so a change in one byte stays in that byte.
        const Bytes a = encrypt_raw("ABCDEFG", DEVICE_PAYLOAD_KEY);
        const Bytes b = encrypt_raw("ABCxEFG", DEVICE_PAYLOAD_KEY);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(a[i] == b[i], i != 3);
        const Bytes zeros = encrypt_raw(QByteArray(7, 'A'), DEVICE_PAYLOAD_KEY);
        const Bytes ones = encrypt_raw(QByteArray(7, 'B'), DEVICE_PAYLOAD_KEY);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(uint8_t(ones[i] - zeros[i]), uint8_t(1));
    }

    void blocksAreIndependent()
    {
        // ECB: equal blocks at different offsets give equal ciphertext blocks, a
        // whole-block length has no tail step, and a tail change stays in the tail.
        const QByteArray block = "12345678";
        const Bytes two = encrypt_raw(block + block, DEVICE_PAYLOAD_KEY);
        QVERIFY(std::equal(two.begin(), two.begin() + 8, two.begin() + 8));
        Bytes single(block.begin(), block.end());
        uint32_t k[4];
        std::memcpy(k, DEVICE_PAYLOAD_KEY, 16); // little-endian host, as the key words are read
        tea_encrypt_block(single.data(), k);
        QVERIFY(std::equal(single.begin(), single.end(), two.begin()));

        const Bytes a = encrypt_raw(block + block + "abcde", DEVICE_PAYLOAD_KEY);
        const Bytes b = encrypt_raw(block + block + "abXde", DEVICE_PAYLOAD_KEY);
        for (size_t i = 0; i < a.size(); ++i)
            QCOMPARE(a[i] == b[i], i != 18);
        QVERIFY(std::equal(two.begin(), two.end(), a.begin()));
    }

    void keysDiffer()
    {
        const QByteArray plain = "{\"cmd\":\"search\"}";
        const QByteArray text = encrypt_to_base64(plain, DEVICE_PAYLOAD_KEY);
        QVERIFY(text != encrypt_to_base64(plain, PASSWORD_STORE_KEY));
        QVERIFY(decrypt_from_base64(text, PASSWORD_STORE_KEY) != plain);
    }
};

QTEST_APPLESS_MAIN(TestPayloadCipher)
#include "test_payload_cipher.moc"
