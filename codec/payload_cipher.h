#pragma once
// The system's own symmetric cipher: TEA in ECB mode over whole 8-byte blocks,
// a keyed byte-wise step for the 1..7 bytes of a last partial block, and the
// result carried as standard Base64. It protects device datagrams and stored
// passwords. Nothing here allocates: the caller supplies every buffer.

#include <cstdint>

// Keys are 16-character ASCII texts, read as four little-endian 32-bit words.
inline constexpr char DEVICE_PAYLOAD_KEY[] = "Kq7RzWm2PdXv4TnB";
inline constexpr char PASSWORD_STORE_KEY[] = "Jh3LsVb9QeYt6NcF";
// Only the first 8 bytes take part in the tail step.
inline constexpr char TAIL_TABLE[] = "plmoknijb";

// One 8-byte block in place, read as two little-endian words.
void tea_encrypt_block(unsigned char* block, const uint32_t k[4]);
void tea_decrypt_block(unsigned char* block, const uint32_t k[4]);

// Encrypts data[0..length) in place, then writes to out the Base64 text of the
// ciphertext (base64 true, no terminator) or a copy of the ciphertext bytes.
// Returns out, or null when data, key or out is null.
char* payload_encrypt(unsigned char* data, uint32_t length, const char* key, bool base64, char* out);

// Decrypts in place the first blocks * 8 bytes of a cipher text that is
// longer than that: its whole leading blocks, without the tail. A look at the
// start of a text is then cheap. Does nothing when data or key is null.
void payload_decrypt_leading_blocks(unsigned char* data, uint32_t blocks, const char* key);

// With base64 true, text is a terminated Base64 text decoded into out; otherwise
// length bytes are copied to out. The result is then decrypted in place.
// out must hold base64_decoded_capacity(strlen(text)) bytes, zero-filled.
// Returns out, or null when text, key or out is null.
unsigned char* payload_decrypt(const char* text, uint32_t length, const char* key, bool base64,
                               unsigned char* out);
