#!/usr/bin/env bash
# Makes a throw-away certificate authority and a server certificate for
# 127.0.0.1 signed by it, for the reference cloud service in tests and the demo.
#
#   make-test-certs.sh DIR    -> DIR/ca.pem, DIR/server.pem, DIR/server-key.pem
set -euo pipefail
dir=$1
mkdir -p "$dir"
cd "$dir"
openssl req -x509 -newkey rsa:2048 -nodes -days 30 -subj "/CN=PC ORB test CA" \
    -keyout ca-key.pem -out ca.pem 2>/dev/null
openssl req -newkey rsa:2048 -nodes -subj "/CN=127.0.0.1" \
    -keyout server-key.pem -out server.csr 2>/dev/null
printf 'subjectAltName=IP:127.0.0.1,DNS:localhost\nbasicConstraints=CA:FALSE\n' > server.ext
openssl x509 -req -in server.csr -CA ca.pem -CAkey ca-key.pem -CAcreateserial -days 30 \
    -extfile server.ext -out server.pem 2>/dev/null
rm -f server.csr server.ext ca.srl
