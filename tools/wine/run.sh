#!/usr/bin/env bash
# Runs a Windows program under Wine, in the private environment of the build tree that
# holds it (the nearest folder with a CMakeCache.txt), or of ZV_WINE_DIR when set.
#
# Now and then Wine ends a process with an error before the program's own code has run, with
# no output at all. A test program tells that apart from a real failure: its main() first
# creates the file named by ZV_ZNAMKA_STARTU. When such a program fails and the file is not
# there, the program never started, and it is started again (twice at most), saying so on
# standard error. Other programs (the application itself, benchmarks) run exactly once.
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
# A test may turn off one of Wine's DLLs, to see the program on a system without what it gives.
[ -z "${ZV_WINE_BEZ_DLL:-}" ] || WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$ZV_WINE_BEZ_DLL=d"

if [ ! -f "$1" ] || ! grep -qa ZV_ZNAMKA_STARTU "$1"; then
    exec "$WINE" "$@"
fi

znamka=$(mktemp -u "${TMPDIR:-/tmp}/zv-start.XXXXXXXX")
export ZV_ZNAMKA_STARTU="Z:${znamka//\//\\}"
trap 'rm -f "$znamka"' EXIT
for pokus in 1 2 3; do
    kod=0
    "$WINE" "$@" || kod=$?
    if [ "$kod" -eq 0 ] || [ -e "$znamka" ] || [ "$pokus" -eq 3 ]; then
        exit "$kod"
    fi
    echo "run.sh: Wine ended $(basename "$1") with $kod before it started; starting it again" >&2
    sleep 1
done
