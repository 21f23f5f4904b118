#include "base64.h"

namespace {

const char ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The 6-bit value of c, or -1 for anything outside the alphabet (padding,
// CR, LF and the terminator included).
int sextet(char c)
{
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

} // namespace

char* base64_encode(const unsigned char* in, uint32_t length, char* out, uint32_t* out_length)
{
    if (!in || !out || length == 0)
        return nullptr;
    uint32_t o = 0;
    for (uint32_t i = 0; i < length; i += 3) {
        const uint32_t remaining = length - i;
        const uint32_t b0 = in[i];
        const uint32_t b1 = remaining > 1 ? in[i + 1] : 0;
        const uint32_t b2 = remaining > 2 ? in[i + 2] : 0;
        out[o++] = ALPHABET[b0 >> 2];
        out[o++] = ALPHABET[((b0 & 3) << 4) | (b1 >> 4)];
        out[o++] = remaining > 1 ? ALPHABET[((b1 & 15) << 2) | (b2 >> 6)] : '=';
        out[o++] = remaining > 2 ? ALPHABET[b2 & 63] : '=';
    }
    if (out_length)
        *out_length = o;
    return out;
}

unsigned char* base64_decode(const char* text, unsigned char* out, uint32_t* out_length)
{
    if (!text || !out)
        return nullptr;
    uint32_t o = 0;
    // Each character is tested before the next one is read, so decoding never
    // looks beyond the terminator of a text that ends inside a group.
    for (const char* p = text;; p += 4) {
        const int c0 = sextet(p[0]);
        if (c0 < 0) break;
        const int c1 = sextet(p[1]);
        if (c1 < 0) break;
        out[o++] = static_cast<unsigned char>((c0 << 2) | (c1 >> 4));
        const int c2 = sextet(p[2]);
        if (c2 < 0) break;
        out[o++] = static_cast<unsigned char>(((c1 & 15) << 4) | (c2 >> 2));
        const int c3 = sextet(p[3]);
        if (c3 < 0) break;
        out[o++] = static_cast<unsigned char>(((c2 & 3) << 6) | c3);
    }
    if (out_length)
        *out_length = o;
    return out;
}

uint64_t base64_encoded_length(uint64_t n)
{
    return n == 0 ? 0 : 4 * ((n - 1) / 3) + 4;
}

uint64_t base64_decoded_capacity(uint64_t n)
{
    return 3 * n / 4 + 1;
}
