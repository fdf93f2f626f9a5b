#!/usr/bin/env bash
# Builds GlyphBay: the i686 product and the x86-64 build with their tests, and the host tests
# (plain and with AddressSanitizer). Build folders go under build/.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
configure() { # folder, then cmake options
    local dir=$1; shift
    [ -f "build/$dir/CMakeCache.txt" ] || cmake -S . -B "build/$dir" "$@" >/dev/null
}

configure win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake -DCMAKE_BUILD_TYPE=Release
configure win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-mingw.cmake -DCMAKE_BUILD_TYPE=Release
configure host -DCMAKE_BUILD_TYPE=Debug
configure host-asan -DCMAKE_BUILD_TYPE=Debug -DGLYPHBAY_ASAN=ON

for dir in ${GLYPHBAY_BUILDS:-win32 win64 host host-asan}; do
    echo "build: $dir"
    cmake --build "build/$dir" -j "$jobs" --target "${GLYPHBAY_TARGET:-all}" >"build/$dir/build.log" 2>&1 || {
        cat "build/$dir/build.log"
        exit 1
    }
done
echo "build: the program is build/win32/glyphbay.exe (PE32) and build/win64/glyphbay.exe (PE32+)"
