#!/usr/bin/env bash
# Runs a test program under Wine next to a radio server of its own (server_icy.py), started
# for this one run on 127.0.0.1; the program learns the server's port from ZV_SERVER_ICY_PORT.
# The server also speaks TLS, with a certificate made for this run, on ZV_SERVER_ICY_TLS_PORT;
# ZV_SERVER_ICY_CERT holds the certificate (DER, in hex) for the program to trust.
# Wine cannot start the server itself, so it is started here. The server ends with the run,
# and the run is bounded in time. Listing the tests needs no server.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../../tools/wine/run.sh

for a in "$@"; do
    [ "$a" = --gtest_list_tests ] && exec "$run" "$@"
done

T=$(mktemp -d "${TMPDIR:-/tmp}/zv-server-icy.XXXXXXXX")
vystup=$T/vystup
server_pid=
konec() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
    rm -rf "$T"
}
trap konec EXIT

# Named in the common name only: Wine's check of the name matches no address in the
# alternative names.
if ! openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 \
    -keyout "$T/klic.pem" -out "$T/cert.pem" >"$T/openssl.log" 2>&1; then
    echo "se_serverem_icy.sh: no certificate for the TLS server" >&2
    cat "$T/openssl.log" >&2
    exit 1
fi

limit=${ZV_SERVER_SEKUND:-120}
timeout $((limit + 10)) python3 "$here/server_icy.py" --tls "$T/cert.pem" "$T/klic.pem" \
    </dev/null >"$vystup" 2>&1 &
server_pid=$!
for _ in $(seq 1 100); do
    [ "$(wc -l <"$vystup")" -ge 2 ] && break
    sleep 0.05
done
port=$(sed -n 1p "$vystup")
port_tls=$(sed -n 2p "$vystup")
if ! [[ "$port" =~ ^[0-9]+$ && "$port_tls" =~ ^[0-9]+$ ]]; then
    echo "se_serverem_icy.sh: the server did not start" >&2
    cat "$vystup" >&2
    exit 1
fi
export ZV_SERVER_ICY_PORT=$port ZV_SERVER_ICY_TLS_PORT=$port_tls
ZV_SERVER_ICY_CERT=$(openssl x509 -in "$T/cert.pem" -outform der | od -An -v -tx1 | tr -d ' \n')
export ZV_SERVER_ICY_CERT
timeout "$limit" "$run" "$@"
