#include "payload_cipher.h"

#include "base64.h"

#include <cstring>

namespace {

constexpr uint32_t DELTA = 0x9E3779B9u;
constexpr uint32_t DECRYPT_SUM = 0xC6EF3720u; // 32 * DELTA mod 2^32

uint32_t load_le(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void store_le(unsigned char* p, uint32_t v)
{
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
    p[2] = static_cast<unsigned char>(v >> 16);
    p[3] = static_cast<unsigned char>(v >> 24);
}

void load_key(const char* key, uint32_t k[4])
{
    for (int i = 0; i < 4; ++i)
        k[i] = load_le(reinterpret_cast<const unsigned char*>(key) + 4 * i);
}

// The amount a tail byte at index i moves by: 32 * X mod 256.
unsigned char tail_shift(uint32_t i, const uint32_t k[4])
{
    const unsigned char t = static_cast<unsigned char>(TAIL_TABLE[i % 8]);
    const unsigned char w = static_cast<unsigned char>(k[i % 4]);
    const unsigned char x = static_cast<unsigned char>(((t >> 3) + w) ^ (((t << 2) & 0xFF) + w));
    return static_cast<unsigned char>(32 * x);
}

void transform(unsigned char* buf, uint32_t length, const uint32_t k[4], bool encrypt)
{
    const uint32_t whole = length - length % 8;
    for (uint32_t off = 0; off < whole; off += 8)
        encrypt ? tea_encrypt_block(buf + off, k) : tea_decrypt_block(buf + off, k);
    for (uint32_t i = whole; i < length; ++i) {
        const unsigned char shift = tail_shift(i, k);
        buf[i] = static_cast<unsigned char>(encrypt ? buf[i] + shift : buf[i] - shift);
    }
}

} // namespace

void tea_encrypt_block(unsigned char* block, const uint32_t k[4])
{
    uint32_t y = load_le(block), z = load_le(block + 4), sum = 0;
    for (int n = 0; n < 32; ++n) {
        sum += DELTA;
        y += ((z << 4) + k[0]) ^ (z + sum) ^ ((z >> 5) + k[1]);
        z += ((y << 4) + k[2]) ^ (y + sum) ^ ((y >> 5) + k[3]);
    }
    store_le(block, y);
    store_le(block + 4, z);
}

void payload_decrypt_leading_blocks(unsigned char* data, uint32_t blocks, const char* key)
{
    if (!data || !key)
        return;
    uint32_t k[4];
    load_key(key, k);
    for (uint32_t i = 0; i < blocks; ++i)
        tea_decrypt_block(data + 8 * i, k);
}

void tea_decrypt_block(unsigned char* block, const uint32_t k[4])
{
    uint32_t y = load_le(block), z = load_le(block + 4), sum = DECRYPT_SUM;
    for (int n = 0; n < 32; ++n) {
        z -= ((y << 4) + k[2]) ^ (y + sum) ^ ((y >> 5) + k[3]);
        y -= ((z << 4) + k[0]) ^ (z + sum) ^ ((z >> 5) + k[1]);
        sum -= DELTA;
    }
    store_le(block, y);
    store_le(block + 4, z);
}

char* payload_encrypt(unsigned char* data, uint32_t length, const char* key, bool base64, char* out)
{
    if (!data || !key || !out)
        return nullptr;
    uint32_t k[4];
    load_key(key, k);
    transform(data, length, k, true);
    if (base64)
        base64_encode(data, length, out, nullptr);
    else
        std::memcpy(out, data, length);
    return out;
}

unsigned char* payload_decrypt(const char* text, uint32_t length, const char* key, bool base64,
                               unsigned char* out)
{
    if (!text || !key || !out)
        return nullptr;
    uint32_t n = length;
    if (base64)
        base64_decode(text, out, &n);
    else
        std::memcpy(out, text, length);
    uint32_t k[4];
    load_key(key, k);
    transform(out, n, k, false);
    return out;
}
