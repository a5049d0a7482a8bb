#!/usr/bin/env bash
# Runs a test program under Wine with both Debian's radio server (s_icecastem.sh) and a sound
# device of its own (se_zvukem.sh).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
ZV_ZVUK_SPUSTIT=$here/s_icecastem.sh exec "$here/se_zvukem.sh" "$@"
