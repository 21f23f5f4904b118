// The payload cipher and its Base64 framing, against published vectors and the
// properties the switches and stored files depend on.

#include "codec/base64.h"
#include "codec/payload_cipher.h"
#include "codec/payload_text.h"

#include <QTest>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes words_to_block(uint32_t y, uint32_t z)
{
    Bytes b(8);
    for (int i = 0; i < 8; ++i)
        b[i] = static_cast<unsigned char>((i < 4 ? y : z) >> (8 * (i % 4)));
    return b;
}

// Ciphertext bytes (no Base64) of plaintext under the device key.
Bytes encrypt_raw(const QByteArray& plaintext)
{
    Bytes data(plaintext.begin(), plaintext.end());
    Bytes out(data.size() + 1, 0);
    payload_encrypt(data.data(), uint32_t(data.size()), DEVICE_PAYLOAD_KEY, false, reinterpret_cast<char*>(out.data()));
    out.resize(data.size());
    return out;
}

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

QList<int> differences(const Bytes& a, const Bytes& b)
{
    QList<int> positions;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            positions.append(int(i));
    return positions;
}

} // namespace

class TestPayloadCipher : public QObject
{
    Q_OBJECT

private slots:
    void teaBlockVectors()
    {
        const uint32_t zero[4] = {0, 0, 0, 0};
        const uint32_t key[4] = {0x01234567, 0x12345678, 0x23456789, 0x3456789A};
        for (const auto& [k, plain, cipher] :
             {std::tuple{zero, words_to_block(0, 0), words_to_block(0x41EA3A0A, 0x94BAA940)},
              std::tuple{key, words_to_block(0x01020304, 0x05060708), words_to_block(0x773DC179, 0x878A81C0)}}) {
            Bytes block = plain;
            tea_encrypt_block(block.data(), k);
            QCOMPARE(block, cipher);
            tea_decrypt_block(block.data(), k);
            QCOMPARE(block, plain);
        }
    }

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

    void knownAnswersAndKeys()
    {
        QCOMPARE(encrypt_to_base64("abc", PASSWORD_STORE_KEY), QByteArray("ocLD"));
        QCOMPARE(decrypt_from_base64("ocLD\r\n", PASSWORD_STORE_KEY), QByteArray("abc"));
        QCOMPARE(encrypt_to_base64(QByteArray(), DEVICE_PAYLOAD_KEY), QByteArray());
        QCOMPARE(decrypt_from_base64(QByteArray(), DEVICE_PAYLOAD_KEY), QByteArray());
        const QByteArray text = encrypt_to_base64("{\"cmd\":\"search\"}", DEVICE_PAYLOAD_KEY);
        QVERIFY(text != encrypt_to_base64("{\"cmd\":\"search\"}", PASSWORD_STORE_KEY));
    }

    void roundTripEveryLength()
    {
        for (const char* key : {DEVICE_PAYLOAD_KEY, PASSWORD_STORE_KEY}) {
            for (int length = 1; length <= 256; ++length) {
                QByteArray plain(length, '\0');
                for (int i = 0; i < length; ++i)
                    plain[i] = char(1 + (i * 37 + length) % 255); // never 0: read back as a text
                // The raw functions with the buffer sizes the callers use.
                Bytes data(plain.begin(), plain.end());
                std::vector<char> text(base64_encoded_length(uint64_t(length)) + 3, 0);
                QVERIFY(payload_encrypt(data.data(), uint32_t(length), key, true, text.data()));
                Bytes out(base64_decoded_capacity(std::strlen(text.data())), 0);
                QVERIFY(payload_decrypt(text.data(), uint32_t(std::strlen(text.data())), key, true, out.data()));
                QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.data())), plain);
                // The QByteArray face gives the same bytes.
                QCOMPARE(encrypt_to_base64(plain, key), QByteArray(text.data()));
                QCOMPARE(decrypt_from_base64(QByteArray(text.data()) + "\r\n", key), plain);
            }
        }
    }

    // Whole blocks are enciphered on their own (ECB); the bytes after the last
    // whole block (all of a text under seven bytes) only move by an amount
    // that depends on their index.
    void blocksAndTail()
    {
        QCOMPARE(differences(encrypt_raw("ABCDEFG"), encrypt_raw("ABCxEFG")), QList<int>{3});
        const Bytes as = encrypt_raw(QByteArray(7, 'A'));
        const Bytes bs = encrypt_raw(QByteArray(7, 'B'));
        for (int i = 0; i < 7; ++i)
            QCOMPARE(uint8_t(bs[i] - as[i]), uint8_t(1));

        const QByteArray block = "12345678";
        const Bytes two = encrypt_raw(block + block);
        Bytes single(block.begin(), block.end());
        uint32_t k[4];
        std::memcpy(k, DEVICE_PAYLOAD_KEY, 16); // little-endian host, as the key words are read
        tea_encrypt_block(single.data(), k);
        QVERIFY(std::equal(single.begin(), single.end(), two.begin()));
        QVERIFY(std::equal(single.begin(), single.end(), two.begin() + 8));
        const Bytes a = encrypt_raw(block + block + "abcde");
        QCOMPARE(differences(a, encrypt_raw(block + block + "abXde")), QList<int>{18});
        QVERIFY(std::equal(two.begin(), two.end(), a.begin()));
    }
};

QTEST_APPLESS_MAIN(TestPayloadCipher)
#include "test_payload_cipher.moc"
