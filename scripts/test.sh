#!/usr/bin/env bash
# Sets up, builds and runs every test: host (plain and with AddressSanitizer), a short run of
# each fuzz target, then the Win32 and end-to-end tests under Wine and Xvfb for each build that
# Wine can run here.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || exit 1
bash scripts/build.sh || exit 1

. scripts/wine-env.sh
glyphbay_start_xvfb || exit 1
trap glyphbay_stop_wine EXIT
echo "test: starting Wine (the first boot of a prefix takes a while)"
glyphbay_start_wine

suites=(host host-asan fuzz win64 win32)
win32_filter=()
if ! glyphbay_has_wine32; then
    echo "test: no 32-bit Wine here, so of the i686 build only the tests that need no Wine run"
    win32_filter=(-L nowine)
fi

passed=0
failed=0
failed_suites=()
for suite in "${suites[@]}"; do
    echo "test: === $suite ==="
    log="build/$suite/ctest.log"
    filter=()
    [ "$suite" = win32 ] && filter=("${win32_filter[@]}")
    ctest --test-dir "build/$suite" --output-on-failure --timeout 900 "${filter[@]}" 2>&1 | tee "$log"
    line=$(grep -E '^[0-9]+% tests passed' "$log" | tail -n 1)
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.*, ([0-9]+) tests? failed.*/\1/' <<<"$line")
    if [ -z "$line" ] || [ -z "$total" ]; then
        failed_suites+=("$suite")
        failed=$((failed + 1))
        continue
    fi
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    [ "$bad" -eq 0 ] || failed_suites+=("$suite")
done

echo
[ ${#failed_suites[@]} -eq 0 ] || echo "test: failures in ${failed_suites[*]}"
echo "summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
