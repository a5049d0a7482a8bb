#!/usr/bin/env bash
# Prepares a private Wine environment in DIR (default: build/windows/wine) and leaves
# Xvfb and a persistent wineserver running, so that test runs never wait on them.
# Idempotent: a second call finds everything up and returns at once.
# Writes DIR/env, which run.sh sources.
set -euo pipefail

dir=${1:-$(cd "$(dirname "$0")/../.." && pwd)/build/windows/wine}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)

exec 9>"$dir/lock"
flock 9

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINE" ] || WINE=$(command -v wine64 || command -v wine)
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)

export WINEPREFIX=$dir/prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export HOME=$dir/home
mkdir -p "$HOME"

display_alive() {
    [ -f "$dir/xvfb.pid" ] && kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null
}

start_display() {
    local n
    for n in $(seq 91 190); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 9>&- &
            echo $! >"$dir/xvfb.pid"
            echo ":$n" >"$dir/display"
            local i
            for i in $(seq 1 100); do
                [ -e "/tmp/.X11-unix/X$n" ] && return 0
                sleep 0.05
            done
            echo "start.sh: Xvfb :$n did not come up" >&2
            return 1
        fi
    done
    echo "start.sh: no free X display" >&2
    return 1
}

if [ -n "${ZV_DISPLAY:-}" ]; then
    echo "$ZV_DISPLAY" >"$dir/display"
elif ! display_alive; then
    start_display
fi
export DISPLAY=$(cat "$dir/display")

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE" wineboot -i </dev/null >/dev/null 2>&1 9>&- || true
    "$WINESERVER" -w </dev/null >/dev/null 2>&1 9>&- || true
    # Without the fonts GDI+ finds no font family at all.
    fonts=$(dpkg -L libwine 2>/dev/null | grep '\.ttf$' || true)
    if [ -n "$fonts" ]; then
        mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
        printf '%s\n' "$fonts" | xargs -r -I{} cp -f {} "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
fi

# Drive R: is a removable drive (a folder of the build tree), for the tests of what the
# program does when it runs from a stick. Wine reads drive types only when it starts.
if [ ! -e "$WINEPREFIX/dosdevices/r:" ]; then
    mkdir -p "$dir/vymenna"
    ln -sfn "$dir/vymenna" "$WINEPREFIX/dosdevices/r:"
    "$WINE" reg add 'HKLM\Software\Wine\Drives' /v 'r:' /d floppy /f </dev/null >/dev/null 2>&1 9>&- || true
    "$WINESERVER" -k </dev/null >/dev/null 2>&1 9>&- || true
    "$WINESERVER" -w </dev/null >/dev/null 2>&1 9>&- || true
fi

# The virtual display has no window manager; a window Wine hands to one waits for its answers
# (every closing dialog stalls for two seconds). The test programs that open and close many
# windows and dialogs let Wine manage their windows itself. Everything else keeps the managed
# windows, whose minimised rectangle lies at (-32000, -32000) as on Windows.
unmanaged="ui_okno_hlavni_tests.exe sources_view_tests.exe playback_volume_tests.exe
    ui_stranky_nastaveni_tests.exe ui_nastaveni_tests.exe"
# A prefix made before the last of them joined the list gets them all again.
if ! grep -q 'AppDefaults\\\\ui_nastaveni_tests.exe\\\\X11 Driver' "$WINEPREFIX/user.reg" 2>/dev/null; then
    for exe in $unmanaged; do
        "$WINE" reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe\\X11 Driver" /v Managed /d N /f \
            </dev/null >/dev/null 2>&1 9>&- || true
    done
    "$WINESERVER" -k </dev/null >/dev/null 2>&1 9>&- || true
    "$WINESERVER" -w </dev/null >/dev/null 2>&1 9>&- || true
fi

# Background Wine processes inherit the output of whoever starts them first: start them
# here, detached from every pipe, before any test does.
# The lock must not be inherited either, or it stays held for as long as they run.
if "$WINESERVER" -p </dev/null >/dev/null 2>&1 9>&-; then :; fi
"$WINE" cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true

cat >"$dir/env" <<ENV
export WINEPREFIX='$WINEPREFIX'
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml=;winedbg.exe=d'
export HOME='$HOME'
export DISPLAY='$DISPLAY'
export WINE='$WINE'
export WINESERVER='$WINESERVER'
ENV
