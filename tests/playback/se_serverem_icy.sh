#!/usr/bin/env bash
# Runs a test program under Wine next to a radio server of its own (server_icy.py), started
# for this one run on 127.0.0.1; the program learns the server's port from ZV_SERVER_ICY_PORT.
# Wine cannot start the server itself, so it is started here. The server ends with the run,
# and the run is bounded in time. Listing the tests needs no server.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../../tools/wine/run.sh

for a in "$@"; do
    [ "$a" = --gtest_list_tests ] && exec "$run" "$@"
done

vystup=$(mktemp "${TMPDIR:-/tmp}/zv-server-icy.XXXXXXXX")
server_pid=
konec() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
    rm -f "$vystup"
}
trap konec EXIT

limit=${ZV_SERVER_SEKUND:-120}
timeout $((limit + 10)) python3 "$here/server_icy.py" </dev/null >"$vystup" 2>&1 &
server_pid=$!
for _ in $(seq 1 100); do
    [ -s "$vystup" ] && break
    sleep 0.05
done
port=$(head -n 1 "$vystup")
if ! [[ "$port" =~ ^[0-9]+$ ]]; then
    echo "se_serverem_icy.sh: the server did not start" >&2
    cat "$vystup" >&2
    exit 1
fi
export ZV_SERVER_ICY_PORT=$port
timeout "$limit" "$run" "$@"
