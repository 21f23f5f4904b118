#pragma once
// Standard Base64 (RFC 4648 section 4, no line breaks) over caller-supplied
// buffers. Decoding stops at the first character outside the alphabet, which
// is how it ends at the padding and at a datagram's CR LF.

#include <cstdint>

// Writes 4 * ceil(length / 3) characters, no terminator. Returns out, or null
// when in or out is null or length is 0.
char* base64_encode(const unsigned char* in, uint32_t length, char* out, uint32_t* out_length);

// Decodes the terminated text into out. Returns out, or null when text or out
// is null. Never reads past the terminator.
unsigned char* base64_decode(const char* text, unsigned char* out, uint32_t* out_length);

// Text length of the encoding of n bytes; 0 for 0 (no wrap-around).
uint64_t base64_encoded_length(uint64_t n);
// Bytes enough for decoding a text of n characters, plus a terminator.
uint64_t base64_decoded_capacity(uint64_t n);
