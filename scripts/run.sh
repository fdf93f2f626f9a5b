#!/usr/bin/env bash
# Sets up, builds and runs GlyphBay under Wine: on $DISPLAY when there is one, otherwise under
# Xvfb, where it saves a screenshot of the running program and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
GLYPHBAY_BUILDS="win32 win64" GLYPHBAY_TARGET=glyphbay bash scripts/build.sh

. scripts/wine-env.sh
if glyphbay_has_wine32; then
    exe=build/win32/glyphbay.exe
else
    echo "run: no 32-bit Wine here, running the x86-64 build"
    exe=build/win64/glyphbay.exe
fi

if [ -n "${DISPLAY:-}" ]; then
    glyphbay_start_wine
    wine "$exe"
    exit $?
fi

glyphbay_start_xvfb
trap glyphbay_stop_wine EXIT
glyphbay_start_wine
wine "$exe" >/dev/null 2>&1 </dev/null &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^GlyphBay$' | head -n 1) || true
if [ -z "$window" ]; then
    echo "run: the GlyphBay window did not appear" >&2
    exit 1
fi
sleep 2
shot="$PWD/build/glyphbay-screenshot.png"
import -window root "$shot"
echo "run: screenshot of the running program: $shot"
xdotool key --window "$window" Escape
wait "$program"
echo "run: GlyphBay ended with exit code $?"
