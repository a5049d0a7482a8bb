#!/usr/bin/env bash
# Runs a test program under Wine next to Debian's radio server, icecast2, started for this one
# run as an unprivileged process with a generated configuration on a free port of 127.0.0.1,
# and fed the 440 Hz MP3 beside the test program (ton440.mp3) by a source client of the tests
# (zdroj_icecast.py). The program learns the server from ZV_ICECAST_PORT, ZV_ICECAST_MOUNT and
# ZV_ICECAST_ADMIN (the Authorization header for the server's admin requests). Everything is
# bounded in time and ends with the run; a server that does not start or a stream it does not
# take fails the run. Listing the tests needs no server.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# What runs the program once the server is there; se_zvukem.sh may stand in between.
run=${ZV_ICECAST_SPUSTIT:-$here/../../tools/wine/run.sh}

for a in "$@"; do
    [ "$a" = --gtest_list_tests ] && exec "$here/../../tools/wine/run.sh" "$@"
done

chyba() {
    echo "s_icecastem.sh: $*" >&2
    for log in "$T"/log/error.log "$T"/icecast.out "$T"/zdroj.out; do
        [ -s "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}

T=$(mktemp -d "${TMPDIR:-/tmp}/zv-icecast.XXXXXXXX")
icecast_pid=
zdroj_pid=
konec() {
    for p in $zdroj_pid $icecast_pid; do
        kill "$p" 2>/dev/null && wait "$p" 2>/dev/null
    done
    rm -rf "$T"
}
trap konec EXIT

ton=${ZV_ICECAST_TON:-$(dirname "$1")/ton440.mp3}
[ -f "$ton" ] || chyba "no tone to send ($ton)"
icecast=$(command -v icecast2) || chyba "icecast2 is not installed (tools/install-deps.sh)"

nasloucha() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
# A port nothing listens on; should another take it meanwhile, the server's start fails.
for _ in $(seq 1 20); do
    port=$((20000 + RANDOM % 30000))
    nasloucha "$port" || break
done
heslo=$(head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n')
mount=/ton.mp3
mkdir -p "$T/log"
cat >"$T/icecast.xml" <<XML
<icecast>
    <location>test</location>
    <admin>test@127.0.0.1</admin>
    <limits>
        <clients>20</clients>
        <sources>2</sources>
        <queue-size>524288</queue-size>
        <client-timeout>30</client-timeout>
        <header-timeout>15</header-timeout>
        <source-timeout>10</source-timeout>
        <burst-on-connect>1</burst-on-connect>
        <burst-size>65535</burst-size>
    </limits>
    <authentication>
        <source-password>$heslo</source-password>
        <relay-password>$heslo</relay-password>
        <admin-user>admin</admin-user>
        <admin-password>$heslo</admin-password>
    </authentication>
    <hostname>127.0.0.1</hostname>
    <listen-socket>
        <port>$port</port>
        <bind-address>127.0.0.1</bind-address>
    </listen-socket>
    <mount type="normal">
        <mount-name>$mount</mount-name>
        <charset>UTF-8</charset>
    </mount>
    <fileserve>0</fileserve>
    <paths>
        <basedir>$T</basedir>
        <logdir>$T/log</logdir>
        <webroot>/usr/share/icecast2/web</webroot>
        <adminroot>/usr/share/icecast2/admin</adminroot>
    </paths>
    <logging>
        <accesslog>access.log</accesslog>
        <errorlog>error.log</errorlog>
        <loglevel>2</loglevel>
    </logging>
    <security>
        <chroot>0</chroot>
    </security>
</icecast>
XML
# The server refuses to run as root; CI is root, so there it runs as nobody.
als=()
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$T"
    chmod 644 "$T/icecast.xml"
    chown nobody "$T/log"
    als=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

limit=${ZV_ICECAST_SEKUND:-120}
timeout $((limit + 20)) "${als[@]}" "$icecast" -c "$T/icecast.xml" </dev/null >"$T/icecast.out" 2>&1 &
icecast_pid=$!
for _ in $(seq 1 100); do
    nasloucha "$port" && break
    kill -0 "$icecast_pid" 2>/dev/null || chyba "icecast2 ended at start"
    sleep 0.1
done
nasloucha "$port" || chyba "icecast2 did not listen on $port within 10 s"

timeout $((limit + 20)) python3 "$here/zdroj_icecast.py" "$port" "$mount" "$heslo" "$ton" \
    </dev/null >"$T/zdroj.out" 2>&1 &
zdroj_pid=$!
for _ in $(seq 1 200); do
    grep -q pripojeno "$T/zdroj.out" && break
    kill -0 "$zdroj_pid" 2>/dev/null || chyba "the source client ended"
    sleep 0.1
done
grep -q pripojeno "$T/zdroj.out" || chyba "the server did not take the stream within 20 s"

export ZV_ICECAST_PORT=$port ZV_ICECAST_MOUNT=$mount
export ZV_ICECAST_ADMIN="Basic $(printf 'admin:%s' "$heslo" | base64)"
timeout "$limit" "$run" "$@"
