#!/usr/bin/env bash
# Builds the wizard and runs it under Wine. On a display ($DISPLAY set) the
# window appears there and the demo ends when the wizard is closed. Without
# one it runs on a private Xvfb for a while and writes screenshots.
# Usage: scripts/demo.sh [seconds]     (headless run time, default 20)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLET_BUILD_DIR:-$root/build}
seconds=${1:-20}
"$root/scripts/setup.sh" "$build"

# 64-bit Wine runs only 64-bit programs, so the demo uses the x86_64 build.
cmake -S "$root" -B "$build/demo" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLET_BUILD_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
    -DQUILLET_SERVICE_HOST=127.0.0.1 -DQUILLET_DOWNLOAD_HOST=127.0.0.1 \
    -DQUILLET_WEB_HOST=127.0.0.1 -DQUILLET_TINYXML2_SOURCE="$build/third_party/tinyxml2" >/dev/null
cmake --build "$build/demo"

export QUILLET_WINE_PREFIX=$build/demo/wine-prefix
if [ -n "${DISPLAY:-}" ]; then
    exec "$root/tests/wine/wine-run.sh" "$build/demo/quillet.exe"
fi

shots=$build/demo/screenshots
mkdir -p "$shots"
display=97
while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wizard=
export WINEPREFIX=$QUILLET_WINE_PREFIX DISPLAY=":$display"
trap 'kill $wizard 2>/dev/null || true; /usr/lib/wine/wineserver64 -k 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
"$root/tests/wine/wine-run.sh" "$build/demo/quillet.exe" &
wizard=$!
for ((elapsed = 2; elapsed <= seconds; elapsed += 2)); do
    sleep 2
    xwd -root -display "$DISPLAY" | /usr/bin/convert xwd:- "$shots/demo-$(printf %03d "$elapsed").png"
done
echo "Screenshots: $shots"
