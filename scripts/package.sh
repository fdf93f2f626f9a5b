#!/usr/bin/env bash
# Builds the release: the i686 program, optimised and without debug information, zipped with a
# readme for Windows users as dist/glyphbay-<version>-win32.zip, and the program's debug
# information beside it as dist/glyphbay-<version>-win32.debug. Checks the zip and prints what
# it wrote. The version is the project version in CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
GLYPHBAY_BUILDS=win32 GLYPHBAY_TARGET=glyphbay_package bash scripts/build.sh
check_log=build/win32/package-check.log
ctest --test-dir build/win32 -R '^release_package$' --output-on-failure >"$check_log" 2>&1 || {
    cat "$check_log"
    echo "package: the zip failed its check" >&2
    exit 1
}
mkdir -p dist
for file in build/win32/packaging/dist/*; do
    cp "$file" dist/
    echo "package: dist/${file##*/}, $(($(stat -c %s "$file") / 1024)) KiB"
done
