#!/usr/bin/env bash
# The built-in stream engine in the program: click to sound (median of 9), CPU over a minute and
# memory growth over 30 minutes (or the minutes given) of a loopback radio stream with a new
# title every 20 s, each against a baseline of the same run. The radio server runs on 127.0.0.1,
# the sound goes to a private PulseAudio null sink.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-30}

tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target bench_motor >/dev/null
# A Wine environment of its own: a test run in the same build folder ends its environment when
# it finishes, which would end this run with it.
export ZV_WINE_DIR=$PWD/build/windows/motor-wine
trap 'tools/wine/stop.sh "$ZV_WINE_DIR"' EXIT
# Some minutes of clicks and baselines before the stream's own minutes, and some spare.
export ZV_ZVUK_SEKUND=$((minutes * 60 + 600)) ZV_SERVER_SEKUND=$((minutes * 60 + 600))
tests/playback/se_serverem_a_zvukem.sh build/windows/bench/bench_motor.exe "$minutes"
