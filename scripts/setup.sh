#!/usr/bin/env bash
# Installs what building, testing and the demo need on Debian 12, and fetches
# the tinyxml2 and minizip sources that the Windows builds compile themselves.
# Usage: scripts/setup.sh [build-dir]   (run as root, or with sudo available)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$root/build}

packages=(
    cmake ninja-build g++ python3 dpkg-dev
    libgtest-dev libbenchmark-dev nlohmann-json3-dev libtinyxml2-dev libssl-dev
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
    wine64 xvfb xauth x11-apps imagemagick locales
    nsis openssl iproute2 util-linux
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing=()
for package in "${packages[@]}"; do installed "$package" || missing+=("$package"); done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

# The Wine tests also run the wizard with Spanish and French user locales, which Wine
# takes from the Unix locale of the process.
for locale_name in es_ES fr_FR; do
    if ! locale -a 2>/dev/null | grep -qi "^$locale_name\.utf-\?8$"; then
        as_root localedef -i "$locale_name" -f UTF-8 "$locale_name.UTF-8"
    fi
done

# Source lines for apt-get source, derived from the machine's own binary
# package sources so that no registry host is written down here.
enable_source_packages() {
    local target=/etc/apt/sources.list.d/quillet-deb-src
    [ -f "$target.sources" ] || [ -f "$target.list" ] && return 0
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] && grep -q 'debian-archive-keyring' "$file" || continue
        sed 's/^Types:.*/Types: deb-src/' "$file" | as_root tee -a "$target.sources" >/dev/null
        echo | as_root tee -a "$target.sources" >/dev/null
    done
    if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | as_root tee "$target.list" >/dev/null
    fi
    as_root apt-get update -qq
}

# tinyxml2 for the Windows builds: Debian's own source package, unpacked into
# the build tree (never committed).
tinyxml2_dir=$build_dir/third_party/tinyxml2
if [ ! -f "$tinyxml2_dir/tinyxml2.cpp" ]; then
    enable_source_packages
    work=$(mktemp -d)
    (cd "$work" && apt-get source -qq tinyxml2 >/dev/null 2>&1) || {
        echo "setup: could not fetch the tinyxml2 source package" >&2
        rm -rf "$work"
        exit 1
    }
    mkdir -p "$(dirname "$tinyxml2_dir")"
    rm -rf "$tinyxml2_dir"
    mv "$(find "$work" -maxdepth 1 -mindepth 1 -type d -name 'tinyxml2-*' | head -n 1)" "$tinyxml2_dir"
    rm -rf "$work"
fi
# minizip for the Windows builds: the contrib folder of Debian's zlib source
# package, unpacked into the build tree (never committed). When the newest
# version's files are no longer served, the older versions are tried.
minizip_dir=$build_dir/third_party/minizip
if [ ! -f "$minizip_dir/unzip.c" ]; then
    enable_source_packages
    work=$(mktemp -d)
    for version in "" $(apt-cache showsrc zlib | sed -n 's/^Version: //p'); do
        (cd "$work" && apt-get source -qq "zlib${version:+=$version}" >/dev/null 2>&1) && break
        rm -rf "${work:?}"/*
    done
    source_dir=$(find "$work" -mindepth 3 -maxdepth 3 -type d -path '*/contrib/minizip' | head -n 1)
    if [ -z "$source_dir" ]; then
        echo "setup: could not fetch the zlib source package" >&2
        rm -rf "$work"
        exit 1
    fi
    mkdir -p "$(dirname "$minizip_dir")"
    rm -rf "$minizip_dir"
    mv "$source_dir" "$minizip_dir"
    rm -rf "$work"
fi
echo "setup: ready"
