#!/usr/bin/env bash
# Runs a command in a private network namespace that has only the loopback
# interface, with the reference service listening on 127.0.0.1:443 (HTTPS,
# certificate of a test CA made for this run) and 127.0.0.1:80 (HTTP).
#
# Usage: service/run-in-namespace.sh [--scenario file] [--files folder]
#                                     [--state folder] [--] command [arguments...]
#   --scenario  copied to <state>/scenario.json before the service starts
#   --files     the folder served under /f/ (default: service/files)
#   --state     the service's folder (default: a new temporary folder, removed
#               afterwards unless QUILLET_KEEP_SERVICE_STATE is set)
# The command sees QUILLET_SERVICE_STATE (the state folder), QUILLET_SERVICE_CA
# (the test CA, PEM) and QUILLET_SERVICE_CA_DER (the same, DER). The exit
# status is the command's.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

if [ "${QUILLET_SERVICE_NAMESPACE:-}" != "$$" ]; then
    # Root makes the namespace directly; anyone else maps themselves to root
    # in a user namespace first.
    flags=(--net)
    [ "$(id -u)" -eq 0 ] || flags=(--map-root-user --net)
    exec unshare "${flags[@]}" bash -c 'export QUILLET_SERVICE_NAMESPACE=$$; exec "$0" "$@"' \
        "$0" "$@"
fi

ip link set lo up
if ip -o link show | grep -qv ': lo:'; then
    echo "run-in-namespace: the namespace has more than the loopback interface" >&2
    exit 1
fi

scenario= files=$here/files state=
while [ $# -gt 0 ]; do
    case $1 in
        --scenario) scenario=$2; shift 2 ;;
        --files) files=$2; shift 2 ;;
        --state) state=$2; shift 2 ;;
        --) shift; break ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [options] [--] command [arguments...]" >&2; exit 2; }

if [ -z "$state" ]; then
    state=$(mktemp -d "${TMPDIR:-/tmp}/quillet-service.XXXXXX")
    [ -n "${QUILLET_KEEP_SERVICE_STATE:-}" ] || remove_state=$state
fi
mkdir -p "$state"
rm -f "$state/ready" "$state/requests.jsonl"
"$here/make-test-ca.sh" "$state/tls"
if [ -n "$scenario" ]; then cp "$scenario" "$state/scenario.json"; fi

/usr/bin/python3 "$here/reference_service.py" --state "$state" --files "$files" \
    --cert "$state/tls/server.pem" --key "$state/tls/server.key" 2>"$state/service.log" &
service=$!
stop_service() {
    kill "$service" 2>/dev/null || true
    wait "$service" 2>/dev/null || true
    rm -rf "${remove_state:-}"
}
trap stop_service EXIT

for _ in $(seq 100); do
    [ -f "$state/ready" ] && break
    kill -0 "$service" 2>/dev/null || break
    sleep 0.1
done
if [ ! -f "$state/ready" ]; then
    echo "run-in-namespace: the reference service did not start:" >&2
    cat "$state/service.log" >&2
    exit 1
fi

export QUILLET_SERVICE_STATE=$state
export QUILLET_SERVICE_CA=$state/tls/ca.pem QUILLET_SERVICE_CA_DER=$state/tls/ca.der
status=0
"$@" || status=$?
exit "$status"
