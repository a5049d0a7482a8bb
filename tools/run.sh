#!/usr/bin/env bash
# Installs what is missing, builds Zvukolet.exe and starts it under Wine. Without a display
# (no DISPLAY set) it runs on a private virtual display; arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Zvukolet

wine_dir=build/windows/wine
if [ -n "${DISPLAY:-}" ]; then
    ZV_DISPLAY=$DISPLAY tools/wine/start.sh "$wine_dir"
else
    tools/wine/start.sh "$wine_dir"
    echo "No display: running on the virtual display $(cat "$wine_dir/display")." \
         "Take a screenshot with: xwd -root -display $(cat "$wine_dir/display") | convert xwd:- shot.png"
fi
# When the program ends, so do the wineserver and the virtual display started for it.
trap 'tools/wine/stop.sh "$wine_dir"' EXIT
tools/wine/run.sh build/windows/src/Zvukolet.exe "$@"
