#!/usr/bin/env bash
# Builds both presets from scratch when needed and runs every test: the portable core natively
# (with AddressSanitizer and UndefinedBehaviorSanitizer), then the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

status=0
for preset in native windows; do
    echo "== $preset =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" || status=1
done
# The list file parser under libFuzzer, briefly, from its seed corpus.
echo "== fuzz =="
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
corpus=build/fuzz/tests/sources/fuzz
mkdir -p "$corpus/run-corpus"
if ! "$corpus/kodek_zdroju_fuzz" -max_total_time="${ZV_FUZZ_SECONDS:-30}" -print_final_stats=1 \
        -dict="$corpus/kodek_zdroju.dict" "$corpus/run-corpus" "$corpus/corpus" 2>&1 | tail -n 5; then
    status=1
fi

# The Wine environment's own cleanup test ends Xvfb and wineserver; make sure of it.
tools/wine/stop.sh build/windows/wine
exit $status
