#!/usr/bin/env bash
# Builds Zvukolet.exe with the Windows preset when needed and writes the installer and the
# portable zip into build/dist:
#   build/dist/Zvukolet-<version>-setup.exe, build/dist/Zvukolet-<version>-portable.zip
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
[ -f build/windows/CMakeCache.txt ] || cmake --preset windows >/dev/null
cmake --build --preset windows --target Zvukolet
tools/distribuce/zabalit.sh build/windows/src/Zvukolet.exe build/dist
