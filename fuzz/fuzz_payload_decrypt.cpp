// Arbitrary bytes as a received datagram: Base64 decoding and decryption must
// stay inside their buffers whatever arrives.

#include "codec/base64.h"
#include "codec/payload_cipher.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The text as the receive path holds it: the datagram bytes and a terminator.
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    std::vector<unsigned char> out(base64_decoded_capacity(size), 0);
    payload_decrypt(text.data(), uint32_t(size), DEVICE_PAYLOAD_KEY, true, out.data());
    uint32_t n = 0;
    base64_decode(text.data(), out.data(), &n);
    if (n >= out.size())
        __builtin_trap(); // the terminator slot must stay free
    return 0;
}
