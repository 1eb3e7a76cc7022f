#!/usr/bin/env bash
# Runs a command in a private network namespace whose loopback interface
# carries the download tests' servers (serve.py): HTTP on 127.0.0.1:80 and
# HTTPS on 127.0.0.1:443 with a certificate of a throwaway test CA, whose
# revocation list is served over HTTP (WinINet insists on a revocation
# check). The command finds the CA's PEM file in QUILLET_TEST_CA as a Windows
# path (drive Z:). With --trust, the program given (quillet_trust_root.exe,
# which replaces any earlier CA of the same name) first makes the Wine
# prefix trust the CA, in a process of its own: a process checks
# certificates against the root store as it found it at its first check.
# The servers stop when the command ends; nothing outside the namespace can
# reach them, and they reach nothing outside.
# Usage: with-servers.sh [--trust quillet_trust_root.exe] command [arguments...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${QUILLET_TEST_NETNS:-}" ]; then
    # Root gets a network namespace of its own; others a user namespace too.
    map=()
    [ "$(id -u)" -eq 0 ] || map=(--map-root-user)
    exec unshare --net "${map[@]}" env QUILLET_TEST_NETNS=1 "$0" "$@"
fi
trust=
if [ "${1:-}" = "--trust" ]; then
    trust=$2
    shift 2
fi
ip link set lo up

state=$(mktemp -d)
server=
stop() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$state"
}
trap stop EXIT

cat >"$state/ca.cnf" <<CONFIG
[ca]
default_ca = test_ca
[test_ca]
database = $state/index.txt
crlnumber = $state/crlnumber
default_md = sha256
default_crl_days = 2
CONFIG
touch "$state/index.txt"
echo 01 >"$state/crlnumber"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/O=Quillet tests/CN=Quillet Download Test CA" \
    -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" \
    -keyout "$state/ca.key" -out "$state/ca.pem" 2>/dev/null
openssl ca -gencrl -config "$state/ca.cnf" -keyfile "$state/ca.key" -cert "$state/ca.pem" \
    -out "$state/ca.crl.pem" 2>/dev/null
openssl crl -in "$state/ca.crl.pem" -outform DER -out "$state/test-ca.crl"
openssl req -newkey rsa:2048 -nodes -subj "/CN=127.0.0.1" \
    -keyout "$state/server.key" -out "$state/server.csr" 2>/dev/null
cat >"$state/server.ext" <<EXTENSIONS
subjectAltName = IP:127.0.0.1, DNS:127.0.0.1
extendedKeyUsage = serverAuth
crlDistributionPoints = URI:http://127.0.0.1/test-ca.crl
EXTENSIONS
openssl x509 -req -in "$state/server.csr" -CA "$state/ca.pem" -CAkey "$state/ca.key" \
    -CAcreateserial -days 2 -extfile "$state/server.ext" -out "$state/server.pem" 2>/dev/null

python3 "$here/serve.py" "$state/server.pem" "$state/server.key" "$state/test-ca.crl" \
    "$state/ready" &
server=$!
for _ in $(seq 100); do
    [ -f "$state/ready" ] && break
    sleep 0.1
done
[ -f "$state/ready" ] || { echo "with-servers: the servers did not start" >&2; exit 1; }

export QUILLET_TEST_CA="Z:${state//\//\\}\\ca.pem"
if [ -n "$trust" ]; then
    openssl x509 -in "$state/ca.pem" -outform DER -out "$state/ca.der"
    "$here/../wine-run.sh" "$trust" "Z:${state//\//\\}\\ca.der"
fi
"$@"
