#!/usr/bin/env python3
"""Known-answer vectors for the payload cipher, the datagram framing, the cloud
request signature and the password digest.

This is a second implementation, written apart from the C++ code, so that the
unit tests compare the program against something that cannot share its bugs.
Regenerate known_answers.json with --out; CI runs --check to catch edits.
"""
import argparse, base64, difflib, hashlib, hmac, json, pathlib, struct, sys

DEVICE_PAYLOAD_KEY = b"Kq7RzWm2PdXv4TnB"
PASSWORD_STORE_KEY = b"Jh3LsVb9QeYt6NcF"
TAIL_TABLE = b"plmoknijb"  # only the first 8 bytes take part
DELTA = 0x9E3779B9
M32 = 0xFFFFFFFF
BUILTIN_CREDENTIAL_ID = "A7fK2mQ9xR4tW8zL1pN6vB3cY5hJ0sDe"
BUILTIN_SIGNING_KEY = "Z3wE8rT1yU6iO4pA9sD2fG7hJ5kL0qXc"
SCHEME_TAG = "ORB1-HMAC-SHA256"


def tea_encrypt_words(y, z, k):
    s = 0
    for _ in range(32):
        s = (s + DELTA) & M32
        y = (y + ((((z << 4) & M32) + k[0]) ^ (z + s) ^ ((z >> 5) + k[1]))) & M32
        z = (z + ((((y << 4) & M32) + k[2]) ^ (y + s) ^ ((y >> 5) + k[3]))) & M32
    return y, z


def tail_amount(i, k):
    # The last length % 8 bytes cannot fill a block; each gets a shift of 32*X.
    t, w = TAIL_TABLE[i % 8], k[i % 4] & 0xFF
    x = (((t >> 3) + w) ^ (((t << 2) & 0xFF) + w)) & 0xFF
    return (32 * x) & 0xFF


def encrypt(data, key):
    k, buf = struct.unpack("<4I", key), bytearray(data)
    whole = len(buf) - len(buf) % 8
    for off in range(0, whole, 8):
        buf[off:off + 8] = struct.pack("<2I", *tea_encrypt_words(*struct.unpack_from("<2I", buf, off), k))
    for i in range(whole, len(buf)):
        buf[i] = (buf[i] + tail_amount(i, k)) & 0xFF
    return bytes(buf)


def payload_encrypt(data, key):
    return base64.b64encode(encrypt(data, key)).decode("ascii")  # the standard alphabet, with padding


def compute_signature(credential, key, nonce, action, timestamp):
    k1 = hmac.new(key.encode(), timestamp.encode(), hashlib.sha256).digest()
    k2 = hmac.new(k1, nonce.encode(), hashlib.sha256).digest()
    to_sign = SCHEME_TAG + "\n" + credential + "\n" + action
    return hmac.new(k2, to_sign.encode(), hashlib.sha256).hexdigest()


def password_digest(password):
    return hashlib.md5(password.encode("latin-1", errors="replace")).hexdigest()


def compact(obj):
    return json.dumps(obj, separators=(",", ":"), ensure_ascii=False)


def build():
    assert tea_encrypt_words(0, 0, (0, 0, 0, 0)) == (0x41EA3A0A, 0x94BAA940)
    doc = {"note": "Made by make_known_answers.py, an independent implementation; "
                   "regenerate with it, never edit by hand.", "cipher": []}
    for name, key in (("DEVICE_PAYLOAD_KEY", DEVICE_PAYLOAD_KEY), ("PASSWORD_STORE_KEY", PASSWORD_STORE_KEY)):
        for n in range(1, 65):
            plain = bytes((i * 73 + 41 + n) % 256 for i in range(n))
            doc["cipher"].append({"key": name, "plain": plain.hex(), "base64": payload_encrypt(plain, key)})
    device = {"sn": "SN0001", "model": "S24", "ip": "192.168.1.10", "mac": "00:11:22:33:44:55"}
    login = {"callcmd": "Security verification", "password": "Secret-1", "sn": "SN0001", "command": "login"}
    texts = [("search request", {"cmd": "calludp", "syn": "aB3dE5fG", "data": {"callcmd": "search"}}),
             ("login request", {"cmd": "calludp", "syn": "Zx9Qw2Er", "data": login}),
             ("search reply", {"syn": "aB3dE5fG", "data": {"errcode": 0, "device": [device]}})]
    doc["datagrams"] = [{"what": what, "text": compact(obj),
                         "wire": payload_encrypt(compact(obj).encode("utf-8"), DEVICE_PAYLOAD_KEY) + "\r\n"}
                        for what, obj in texts]
    long_key = "k" + ("0123456789" * 20)[:199]
    doc["signatures"] = [
        dict(credential=c, key=k, nonce=n, action=a, timestamp=t, signature=compute_signature(c, k, n, a, t))
        for c, k, n, a, t in (("", "", "0123456789abcdef", "MobileLogin", "1700000000"),
                              (BUILTIN_CREDENTIAL_ID, BUILTIN_SIGNING_KEY, "aZ3bY4cX5dW6eV7f",
                               "GetProjectList", "1767225600"),
                              ("long-credential", long_key, "Q1w2E3r4T5y6U7i8", "EmailLogin", "1"))]
    doc["password_digests"] = [{"password": p, "digest": password_digest(p)}
                               for p in ("", "Secret-1", "Passwörd", "密码abc")]
    return json.dumps(doc, indent=1, ensure_ascii=False) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    group = parser.add_mutually_exclusive_group()
    group.add_argument("--out", metavar="PATH", help="write the vectors to PATH")
    group.add_argument("--check", metavar="PATH", help="exit 1 if PATH differs from a fresh run")
    args = parser.parse_args()
    fresh = build().encode("utf-8")
    if args.check:
        stored = pathlib.Path(args.check).read_bytes()
        if stored == fresh:
            return 0
        diff = difflib.unified_diff(stored.decode("utf-8", errors="replace").splitlines(True),
                                    fresh.decode("utf-8").splitlines(True), args.check, "regenerated", n=1)
        sys.stderr.writelines(list(diff)[:40])
        return 1
    if args.out:
        pathlib.Path(args.out).write_bytes(fresh)
    else:
        sys.stdout.buffer.write(fresh)
    return 0


if __name__ == "__main__":
    sys.exit(main())
