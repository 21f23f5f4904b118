#include "payload_text.h"

#include "base64.h"
#include "payload_cipher.h"

#include <limits>
#include <vector>

QByteArray encrypt_to_base64(const QByteArray& plaintext, const char* key)
{
    if (plaintext.isEmpty())
        return QByteArray();
    std::vector<unsigned char> data(plaintext.begin(), plaintext.end());
    QByteArray out(int(base64_encoded_length(data.size())), '\0');
    payload_encrypt(data.data(), uint32_t(data.size()), key, true, out.data());
    return out;
}

QByteArray decrypt_from_base64(const QByteArray& text, const char* key)
{
    const uint64_t capacity = base64_decoded_capacity(uint64_t(text.size()));
    if (capacity > uint64_t(std::numeric_limits<int>::max()))
        return QByteArray();
    std::vector<unsigned char> out(capacity, 0);
    // constData() is terminated, so the decoder stops at the text's end at the latest.
    payload_decrypt(text.constData(), uint32_t(text.size()), key, true, out.data());
    return QByteArray(reinterpret_cast<const char*>(out.data()));
}
