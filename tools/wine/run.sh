#!/usr/bin/env bash
# Runs a Windows program under Wine, in the private environment of the build tree that
# holds it (the nearest folder with a CMakeCache.txt), or of ZV_WINE_DIR when set.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${ZV_WINE_DIR:-}" ]; then
    d=$(cd "$(dirname "$1")" && pwd)
    while [ "$d" != / ] && [ ! -f "$d/CMakeCache.txt" ]; do d=$(dirname "$d"); done
    [ "$d" != / ] || d=$(cd "$here/../.." && pwd)/build/windows
    ZV_WINE_DIR=$d/wine
fi
if [ ! -f "$ZV_WINE_DIR/env" ] ||
    { [ -f "$ZV_WINE_DIR/xvfb.pid" ] && ! kill -0 "$(cat "$ZV_WINE_DIR/xvfb.pid")" 2>/dev/null; }; then
    "$here/start.sh" "$ZV_WINE_DIR"
fi
# shellcheck disable=SC1091
. "$ZV_WINE_DIR/env"
exec "$WINE" "$@"
