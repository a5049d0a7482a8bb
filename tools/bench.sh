#!/usr/bin/env bash
# Builds and runs the benchmark programs; each prints its figure as a ratio against a
# baseline measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target bench_start
trap 'tools/wine/stop.sh build/windows/wine' EXIT
tools/wine/run.sh build/windows/bench/bench_start.exe "$@"
