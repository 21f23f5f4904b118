#pragma once
// QByteArray face of the payload cipher for callers that hold Qt strings.
// Produces exactly the bytes of payload_encrypt / payload_decrypt with base64.

#include <QByteArray>

// Base64 text of the encrypted plaintext; empty for an empty plaintext.
QByteArray encrypt_to_base64(const QByteArray& plaintext, const char* key);

// Decodes and decrypts a Base64 text (decoding ends at the first character
// outside the alphabet) and reads the result as a terminated text.
QByteArray decrypt_from_base64(const QByteArray& text, const char* key);
