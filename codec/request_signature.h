#pragma once
// Authorization header of cloud requests: a chained HMAC-SHA256 over the
// timestamp, a fresh nonce and the "tag / credential / action" lines.

#include <QByteArray>
#include <QString>

inline constexpr char BUILTIN_CREDENTIAL_ID[] = "A7fK2mQ9xR4tW8zL1pN6vB3cY5hJ0sDe";
inline constexpr char BUILTIN_SIGNING_KEY[] = "Z3wE8rT1yU6iO4pA9sD2fG7hJ5kL0qXc";
inline constexpr char SIGNATURE_SCHEME[] = "ORB1-HMAC-SHA256";

// Raw 32-byte HMAC-SHA256 (RFC 2104).
QByteArray hmac_sha256(const QByteArray& key, const QByteArray& message);

// 64 lower-case hex digits.
QString compute_signature(const QString& credential, const QString& key, const QString& nonce,
                          const QString& action, const QString& timestamp);

// "Type=ORB1-HMAC-SHA256,Credential=<id>,Nonce=<nonce>,Signature=<hex>" with a
// fresh 16-character nonce.
QString build_authorization(const QString& credential, const QString& key, const QString& action,
                            const QString& timestamp);

// length characters from 0-9, a-z, A-Z, two draws each (the first picks
// the kind, the second the character), from the system's cryptographic
// generator: nonces, nicknames and request tags must not be guessable, nor
// repeat between two starts.
QString random_text(int length);
