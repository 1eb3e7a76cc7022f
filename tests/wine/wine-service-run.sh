#!/usr/bin/env bash
# Runs one Windows program under Wine beside the reference service, in a
# private network namespace (service/run-in-namespace.sh), after making the
# Wine prefix trust the service's test CA. The prefix is one of its own
# (wine-prefix-service beside the program) unless QUILLET_WINE_PREFIX names
# another, so its wineserver is always started inside the namespace.
# QUILLET_SERVICE_SCENARIO and QUILLET_SERVICE_FILES, when set, are the
# service's scenario file and files folder. The program sees the service's
# state folder as QUILLET_SERVICE_DIR (a Z: path).
# Usage: wine-service-run.sh quillet_trust_root.exe program.exe [arguments...]
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
if [ "${1:-}" != "--in-namespace" ]; then
    options=()
    [ -z "${QUILLET_SERVICE_SCENARIO:-}" ] || options+=(--scenario "$QUILLET_SERVICE_SCENARIO")
    [ -z "${QUILLET_SERVICE_FILES:-}" ] || options+=(--files "$QUILLET_SERVICE_FILES")
    exec "$root/service/run-in-namespace.sh" "${options[@]}" -- "$0" --in-namespace "$@"
fi
shift
helper=$1
program=$2
shift 2

build_dir=$(cd "$(dirname "$program")" && pwd)
export QUILLET_WINE_PREFIX=${QUILLET_WINE_PREFIX:-$build_dir/wine-prefix-service}
export QUILLET_SERVICE_DIR="Z:${QUILLET_SERVICE_STATE//\//\\}"
"$root/tests/wine/wine-run.sh" "$helper" "Z:${QUILLET_SERVICE_CA_DER//\//\\}"
exec "$root/tests/wine/wine-run.sh" "$program" "$@"
