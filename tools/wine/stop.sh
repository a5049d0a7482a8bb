#!/usr/bin/env bash
# Ends what start.sh started in DIR: the wineserver (and every Wine process) and Xvfb.
set -uo pipefail
dir=${1:-$(cd "$(dirname "$0")/../.." && pwd)/build/windows/wine}
[ -d "$dir" ] || exit 0
if [ -f "$dir/env" ]; then
    # shellcheck disable=SC1091
    . "$dir/env"
    "$WINESERVER" -k </dev/null >/dev/null 2>&1 || true
    "$WINESERVER" -w </dev/null >/dev/null 2>&1 || true
fi
if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid"
fi
rm -f "$dir/env"
