#!/usr/bin/env bash
# Builds the wizard and runs it under Wine against the local reference
# service (service/), which answers with a sample configuration and serves
# the product's and the offers' installers. On a display ($DISPLAY set) the
# wizard appears there for you to click through. Without one it runs on a
# private Xvfb, is walked through every page accepting everything, and
# leaves a screenshot of each page.
# Usage: scripts/demo.sh [--dlm] [--scenario file.json]
#   --dlm       the download-manager flavour instead of the installer
#   --scenario  another configuration for the service (default
#               service/scenarios/demo.json; format in service/README.md)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLET_BUILD_DIR:-$root/build}
flavour=ISV
scenario=$root/service/scenarios/demo.json
while [ $# -gt 0 ]; do
    case $1 in
        --dlm) flavour=DLM ;;
        --scenario) scenario=$(realpath "$2"); shift ;;
        *) echo "usage: $0 [--dlm] [--scenario file.json]" >&2; exit 2 ;;
    esac
    shift
done
"$root/scripts/setup.sh" "$build"

# 64-bit Wine runs only 64-bit programs, so the demo uses an x86_64 build.
# Only the wizard and what the demo needs beside it are built: the helper
# that makes Wine trust the service's test CA, the installers the service
# serves, and the walk for headless runs.
demo=$build/demo-$flavour
cmake -S "$root" -B "$demo" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DQUILLET_WIZARD_TYPE="$flavour" \
    -DQUILLET_SERVICE_HOST=127.0.0.1 -DQUILLET_DOWNLOAD_HOST=127.0.0.1 \
    -DQUILLET_WEB_HOST=127.0.0.1 -DQUILLET_TINYXML2_SOURCE="$build/third_party/tinyxml2" \
    -DQUILLET_MINIZIP_SOURCE="$build/third_party/minizip" >/dev/null
cmake --build "$demo" --target quillet quillet_trust_root download_fixtures quillet_demo_walk

export QUILLET_SERVICE_SCENARIO=$scenario QUILLET_SERVICE_FILES=$demo/download-fixtures
if [ -n "${DISPLAY:-}" ]; then
    exec "$root/tests/wine/wine-service-run.sh" "$demo/quillet_trust_root.exe" "$demo/quillet.exe"
fi
export QUILLET_ARTIFACTS=$demo/screenshots
rm -rf "$QUILLET_ARTIFACTS"
"$root/tests/wine/wine-service-run.sh" "$demo/quillet_trust_root.exe" "$demo/quillet_demo_walk.exe"
echo "Screenshots of every page: $QUILLET_ARTIFACTS"
