#!/usr/bin/env bash
# Runs the benchmark under Wine and Xvfb: the scan, the repaint and the use of resources of the
# real main dialog against the bare platform calls. Prints the figures and writes them, with the
# machine they came from, to build/bench-figures.txt. Not part of the tests: nothing here fails
# on a slow machine. The generated folders (about 20,000 files) stay in build/<build>/bench/data.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
. scripts/wine-env.sh
build=$(glyphbay_runnable_build)
GLYPHBAY_BUILDS=$build GLYPHBAY_TARGET=glyphbay_bench bash scripts/build.sh

[ -n "${DISPLAY:-}" ] || glyphbay_start_xvfb
trap glyphbay_stop_wine EXIT
glyphbay_start_wine

figures=build/bench-figures.txt
{
    echo "machine: $(uname -sm), $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
    echo "platform: $(wine --version 2>/dev/null), build $build, $(date -u +%Y-%m-%d)"
} >"$figures"
cat "$figures"
(cd "build/$build/bench" && wine glyphbay_bench.exe figures.txt </dev/null)
cat "build/$build/bench/figures.txt" >>"$figures"
echo "bench: figures written to $figures"
