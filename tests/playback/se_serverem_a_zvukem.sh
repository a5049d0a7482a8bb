#!/usr/bin/env bash
# Runs a test program under Wine with both a radio server of its own (se_serverem_icy.sh) and
# a sound device of its own (se_zvukem.sh): the stream engine's tests fetch from the one and
# record from the other's null sink.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
ZV_ZVUK_SPUSTIT=$here/se_serverem_icy.sh exec "$here/se_zvukem.sh" "$@"
