#!/usr/bin/env bash
# Builds GlyphBay: the i686 product and the x86-64 build with their tests, the host tests
# (plain and with AddressSanitizer) and, where clang is installed, the fuzz targets. Build
# folders go under build/.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
configure() { # folder, then cmake options
    local dir=$1; shift
    if [ ! -f "build/$dir/CMakeCache.txt" ]; then
        cmake -S . -B "build/$dir" "$@" >/dev/null
    elif [ "${GLYPHBAY_TARGET:-all}" != all ]; then
        # Building all brings a tree's build files up to date first; a named target, which may
        # be newer than they are, needs that done here.
        cmake "build/$dir" >/dev/null
    fi
}

configure_build() { # folder
    case $1 in
    win32) configure win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake -DCMAKE_BUILD_TYPE=Release ;;
    win64) configure win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-mingw.cmake -DCMAKE_BUILD_TYPE=Release ;;
    host) configure host -DCMAKE_BUILD_TYPE=Debug ;;
    host-asan) configure host-asan -DCMAKE_BUILD_TYPE=Debug -DGLYPHBAY_ASAN=ON ;;
    fuzz) configure fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
        -DCMAKE_CXX_COMPILER=clang++ -DGLYPHBAY_FUZZ=ON ;;
    *) echo "build: no build called $1" >&2; return 1 ;;
    esac
}

# The fuzz targets need clang, which the set-up installs.
builds="win32 win64 host host-asan"
if command -v clang++ >/dev/null 2>&1; then builds+=" fuzz"; fi

builds=${GLYPHBAY_BUILDS:-$builds}
# GLYPHBAY_TARGET: the targets to build, separated by spaces (all of them unless told).
read -ra targets <<<"${GLYPHBAY_TARGET:-all}"
for dir in $builds; do
    echo "build: $dir"
    configure_build "$dir"
    cmake --build "build/$dir" -j "$jobs" --target "${targets[@]}" >"build/$dir/build.log" 2>&1 || {
        cat "build/$dir/build.log"
        exit 1
    }
done
case " $builds " in
*" win32 "*) echo "build: the program is build/win32/glyphbay.exe (PE32)" ;;
esac
case " $builds " in
*" win64 "*) echo "build: the x86-64 build is build/win64/glyphbay.exe (PE32+)" ;;
esac
