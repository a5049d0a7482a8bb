#!/usr/bin/env bash
# What recording costs while the program plays: CPU share over a minute and memory growth
# over a phase of 10 minutes (or the minutes given), playing alone and then playing and
# recording to WAV. Sound goes to a private PulseAudio null sink.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-10}

tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target bench_zaznam >/dev/null
# A Wine environment of its own: a test run in the same build folder ends its environment when
# it finishes, which would end this run with it.
export ZV_WINE_DIR=$PWD/build/windows/zaznam-wine
trap 'tools/wine/stop.sh "$ZV_WINE_DIR"' EXIT
ZV_ZVUK_SEKUND=$((2 * minutes * 60 + 180)) tests/playback/se_zvukem.sh build/windows/bench/bench_zaznam.exe "$minutes"
