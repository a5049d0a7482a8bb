#!/usr/bin/env bash
# Memory of the program while it plays a long local file: private bytes after the first minute
# and at the end (30 minutes, or the minutes given), against the player control playing the same
# file in the benchmark program itself. Sound goes to a private PulseAudio null sink.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-30}

tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target bench_pamet >/dev/null
# A Wine environment of its own: a test run in the same build folder ends its environment when
# it finishes, which would end this half hour with it.
export ZV_WINE_DIR=$PWD/build/windows/pamet-wine
trap 'tools/wine/stop.sh "$ZV_WINE_DIR"' EXIT
ZV_ZVUK_SEKUND=$((minutes * 60 + 120)) tests/playback/se_zvukem.sh build/windows/bench/bench_pamet.exe "$minutes"
