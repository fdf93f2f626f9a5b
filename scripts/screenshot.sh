#!/usr/bin/env bash
# Makes the README's picture afresh from the running program: GlyphBay under Wine and Xvfb,
# listing the icons of C:\windows\system32 with one selected, saved as docs/glyphbay.png.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
. scripts/wine-env.sh
# The i686 product or the x86-64 build, whichever runs here: they look the same.
build=$(glyphbay_runnable_build)
GLYPHBAY_BUILDS=$build GLYPHBAY_TARGET="glyphbay probe" bash scripts/build.sh

# Always its own Xvfb, so that the picture does not depend on the desktop it is made on.
glyphbay_start_xvfb
trap glyphbay_stop_wine EXIT
glyphbay_start_wine
mkdir -p docs
GLYPHBAY_EXE="$PWD/build/$build/glyphbay.exe" GLYPHBAY_PROBE="$PWD/build/$build/tests/e2e/probe.exe" \
    python3 scripts/screenshot.py docs/glyphbay.png
