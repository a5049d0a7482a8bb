#!/usr/bin/env bash
# Runs a test program under Wine with a sound device: a PulseAudio server of its own, started
# for this one run, whose only sink is a null sink; the sink's monitor is the default source,
# so the program can record what it plays. Everything is bounded in time, and the server ends
# with the run. Listing the tests needs no sound.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../../tools/wine/run.sh
# What runs the program once the sound is there; another wrapper may put itself in between.
spustit=${ZV_ZVUK_SPUSTIT:-$run}

for a in "$@"; do
    [ "$a" = --gtest_list_tests ] && exec "$run" "$@"
done

exe_dir=$(cd "$(dirname "$1")" && pwd)
mkdir -p "$exe_dir/zvuk"
T=$(mktemp -d "$exe_dir/zvuk/XXXXXX")
pulse_pid=
konec() {
    [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null && wait "$pulse_pid" 2>/dev/null
    rm -rf "$T"
}
trap konec EXIT

mkdir -p "$T/pulse" "$T/xdg"
cat >"$T/pa.pa" <<PA
load-module module-null-sink sink_name=testsink
load-module module-native-protocol-unix socket=$T/pulse/native auth-anonymous=1
set-default-sink testsink
set-default-source testsink.monitor
PA
# A run may ask for more time than a test needs (ZV_ZVUK_SEKUND; benchmarks that play long).
limit=${ZV_ZVUK_SEKUND:-90}
XDG_RUNTIME_DIR=$T/xdg HOME=$T timeout $((limit + 30)) pulseaudio -n -F "$T/pa.pa" --exit-idle-time=-1 \
    --daemonize=no --use-pid-file=no --disallow-exit=yes --disable-shm=yes \
    </dev/null >"$T/pulse.log" 2>&1 &
pulse_pid=$!

export PULSE_SERVER=unix:$T/pulse/native
for _ in $(seq 1 100); do
    [ -S "$T/pulse/native" ] && break
    sleep 0.05
done
if [ ! -S "$T/pulse/native" ]; then
    echo "se_zvukem.sh: PulseAudio did not start" >&2
    cat "$T/pulse.log" >&2
    exit 1
fi

timeout "$limit" "$spustit" "$@"
