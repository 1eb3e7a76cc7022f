#!/usr/bin/env bash
# Builds everything and runs every test: the native suite (plain, under
# AddressSanitizer/UBSan and under ThreadSanitizer), the Windows release
# builds of both wizard types, and the Windows test build under Wine.
# Usage: scripts/test.sh        (build trees go to ./build, or $QUILLET_BUILD_DIR)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLET_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh" "$build"

configure_and_build() {
    local dir=$1
    shift
    echo "== build $dir"
    cmake -S "$root" -B "$build/$dir" -G Ninja -DQUILLET_WERROR=ON \
        -DQUILLET_TINYXML2_SOURCE="$build/third_party/tinyxml2" "$@" >/dev/null
    cmake --build "$build/$dir"
}

loopback=(-DQUILLET_SERVICE_HOST=127.0.0.1 -DQUILLET_DOWNLOAD_HOST=127.0.0.1
          -DQUILLET_WEB_HOST=127.0.0.1)

configure_and_build native -DCMAKE_BUILD_TYPE=Debug
configure_and_build native-sanitized -DCMAKE_BUILD_TYPE=Debug -DQUILLET_SANITIZE=ON
configure_and_build native-tsan -DCMAKE_BUILD_TYPE=Debug -DQUILLET_TSAN=ON
for type in ISV DLM; do
    configure_and_build "release-i686-$type" -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
        -DQUILLET_BUILD_TESTS=OFF -DQUILLET_WIZARD_TYPE="$type"
done
windows_tests=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
               "${loopback[@]}")
configure_and_build test-x86_64 "${windows_tests[@]}"
# The download manager, and the installer with the plain page set.
configure_and_build test-x86_64-dlm "${windows_tests[@]}" -DQUILLET_WIZARD_TYPE=DLM
configure_and_build test-x86_64-plain "${windows_tests[@]}" -DQUILLET_PUBLISHER_PAGES=OFF

for dir in native native-sanitized native-tsan test-x86_64 test-x86_64-dlm test-x86_64-plain; do
    echo "== test $dir"
    ctest --test-dir "$build/$dir" --output-on-failure
done
echo "Screenshots of the Wine tests: $build/test-x86_64*/artifacts"
