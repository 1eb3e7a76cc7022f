#!/usr/bin/env bash
# Makes a throwaway certificate authority and a server certificate for
# 127.0.0.1 signed by it, for the reference service. Nothing is trusted on the
# host: the tests import ca.der into their own Wine prefix only.
# Usage: service/make-test-ca.sh folder
# Writes ca.pem, ca.der, server.pem and server.key into folder.
set -euo pipefail

folder=$1
mkdir -p "$folder"
cd "$folder"

openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 7 \
    -subj "/O=Quillet tests/CN=Quillet Test CA" \
    -addext "basicConstraints=critical,CA:TRUE" \
    -addext "keyUsage=critical,keyCertSign,cRLSign" \
    -keyout ca.key -out ca.pem 2>/dev/null
openssl req -newkey rsa:2048 -nodes -sha256 -subj "/O=Quillet tests/CN=127.0.0.1" \
    -keyout server.key -out server.csr 2>/dev/null
# The client checks the name it connected to: a DNS name for WinHTTP's
# host-name match, an IP address for clients that compare addresses.
openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -sha256 -days 7 \
    -extfile <(printf '%s\n' \
        "subjectAltName=DNS:127.0.0.1,IP:127.0.0.1" \
        "basicConstraints=critical,CA:FALSE" \
        "keyUsage=critical,digitalSignature,keyEncipherment" \
        "extendedKeyUsage=serverAuth") \
    -out server.pem 2>/dev/null
openssl x509 -in ca.pem -outform der -out ca.der
rm -f server.csr ca.srl
