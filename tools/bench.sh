#!/usr/bin/env bash
# Builds and runs the benchmark programs; each prints its figures as ratios against a
# baseline measured in the same run. An optional argument is the number of program starts.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

echo "== list file codec (native, optimised) =="
cmake --preset bench-native >/dev/null
cmake --build --preset bench-native --target kodek_zdroju_bench >/dev/null
build/bench-native/bench/native/kodek_zdroju_bench

echo "== start-up under Wine =="
cmake --preset windows >/dev/null
cmake --build --preset windows --target bench_start bench_prehravani >/dev/null
trap 'tools/wine/stop.sh build/windows/wine' EXIT
tools/wine/run.sh build/windows/bench/bench_start.exe "$@"

echo "== start command to playing under Wine (sound to a private null sink) =="
tests/playback/se_zvukem.sh build/windows/bench/bench_prehravani.exe
