#!/usr/bin/env bash
# Builds both presets from scratch when needed and runs every test: the portable core natively
# (with AddressSanitizer and UndefinedBehaviorSanitizer), then the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

status=0
passed=0
failed=0
for preset in native windows; do
    echo "== $preset =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    log=build/ctest-$preset.log
    ctest --preset "$preset" 2>&1 | tee "$log" || status=1
    summary=$(grep -E '[0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$summary" ]; then
        status=1
        continue
    fi
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$summary")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
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
# The update file's rules, shorter: they are small.
if ! build/fuzz/tests/update/fuzz/pravidla_aktualizace_fuzz -max_total_time="${ZV_FUZZ_UPDATE_SECONDS:-10}" \
        -print_final_stats=1 2>&1 | tail -n 5; then
    status=1
fi
# The stream engine's parsers of server input, from their seed corpus.
stream=build/fuzz/tests/playback/fuzz
mkdir -p "$stream/run-corpus"
if ! "$stream/stream_fuzz" -max_total_time="${ZV_FUZZ_STREAM_SECONDS:-10}" -print_final_stats=1 \
        -dict="$stream/stream.dict" "$stream/run-corpus" "$stream/corpus" 2>&1 | tail -n 5; then
    status=1
fi

# The Wine environment's own cleanup test ends Xvfb and wineserver; make sure of it.
tools/wine/stop.sh build/windows/wine
echo "tests: $passed passed, $failed failed"
exit $status
