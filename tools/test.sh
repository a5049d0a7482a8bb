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
# The Wine environment's own cleanup test ends Xvfb and wineserver; make sure of it.
tools/wine/stop.sh build/windows/wine
exit $status
