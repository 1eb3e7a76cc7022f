#!/usr/bin/env bash
# Runs one Windows test program under 64-bit Wine, in a throwaway prefix of
# the build tree, on an X display: the caller's, or a private Xvfb when there
# is none. Screenshots the program saves as BMP under QUILLET_ARTIFACTS are
# turned into PNG afterwards. QUILLET_WINEDEBUG names Wine debug channels to
# trace (default: none), e.g. +winhttp.
# Usage: wine-run.sh program.exe [arguments...]
set -euo pipefail

program=$1
shift
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$@"
fi

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
build_dir=$(cd "$(dirname "$program")" && pwd)
export WINEPREFIX=${QUILLET_WINE_PREFIX:-$build_dir/wine-prefix}
export WINEDEBUG=${QUILLET_WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
artifacts=${QUILLET_ARTIFACTS:-$build_dir/artifacts}
mkdir -p "$artifacts"
export QUILLET_ARTIFACTS="Z:${artifacts//\//\\}"

# The prefix is made once per build tree. A virtual desktop makes Wine draw
# window frames itself, so screenshots show captions without a window manager.
if [ ! -f "$WINEPREFIX/.quillet-ready" ]; then
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.quillet-ready" ]; then
            "$wine" wineboot -i >/dev/null 2>&1
            "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
            "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
            "$wineserver" -w
            touch "$WINEPREFIX/.quillet-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi

# Whatever the test leaves running in the prefix goes with it.
trap '"$wineserver" -k 2>/dev/null || true' EXIT
status=0
"$wine" "$program" "$@" || status=$?
for bitmap in "$artifacts"/*.bmp; do
    [ -f "$bitmap" ] || continue
    /usr/bin/convert "$bitmap" "${bitmap%.bmp}.png" && rm -f "$bitmap"
done
exit "$status"
