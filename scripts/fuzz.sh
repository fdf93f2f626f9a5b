#!/usr/bin/env bash
# Sets up, builds and runs each fuzz target for a while: bash scripts/fuzz.sh [seconds per target,
# default 60]. Prints each target's runs and whether it stayed clean; inputs that break a
# property go to build/fuzz/findings/, and the script then exits non-zero.
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || {
    echo "usage: bash scripts/fuzz.sh [seconds per target]" >&2
    exit 2
}

bash scripts/setup.sh || exit 1
command -v clang++ >/dev/null 2>&1 || {
    echo "fuzz: clang++ is missing" >&2
    exit 1
}
GLYPHBAY_BUILDS=fuzz bash scripts/build.sh || exit 1

findings=build/fuzz/findings
mkdir -p "$findings"
found=0
for target in build/fuzz/tests/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=${target##*/fuzz_}
    corpus=build/fuzz/corpus/$name
    log=build/fuzz/fuzz_$name.log
    mkdir -p "$corpus"
    # New inputs go to the build's corpus (first folder); the checked-in seeds are only read.
    "$target" -max_total_time="$seconds" -max_len=1400 -artifact_prefix="$findings/$name-" \
        "$corpus" "tests/fuzz/seeds/$name" >"$log" 2>&1
    rc=$?
    runs=$(grep -oE '^#[0-9]+' "$log" | tail -n 1 | tr -d '#')
    if [ "$rc" -eq 0 ]; then
        echo "fuzz: $name: ${runs:-0} runs, clean"
    else
        found=1
        unit=$(grep -oE 'Test unit written to .*' "$log" | tail -n 1 | sed 's/Test unit written to //')
        echo "fuzz: $name: ${runs:-0} runs, FINDING: $(grep -m 1 -E 'property broken|ERROR:|SUMMARY:' "$log")"
        echo "fuzz:   input: ${unit:-none saved}; log: $log"
    fi
done
[ "$found" -eq 0 ] && echo "fuzz: every target clean" || echo "fuzz: findings in $findings"
exit "$found"
