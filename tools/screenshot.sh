#!/usr/bin/env bash
# Screenshots of the main window under Wine, for a look at the program without Windows.
#
#   tools/screenshot.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR is a cross build holding src/Zvukolet.exe (default build/windows); the PNGs go
# to OUT_DIR (default BUILD_DIR/screenshots): okno-100.png, program-100.png (the "&Program"
# menu open), each page of the settings dialog (nastaveni-obecne-100.png and so on), the
# first-run dialog (prvni-spusteni-100.png), and the same at 150 %; hraje-100.png shows the
# window playing the sample list's local tone file, its sound going to a PulseAudio server of
# the script's own with a null sink.
#
# The program runs in a Wine environment of its own (BUILD_DIR/screenshot-wine) with a
# short list of sources (screenshot/Zvukolet.xml.txt), settings that say it has run before,
# and Wine drawing the window frames itself, since the virtual display has no window manager.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build/windows}" && pwd)
out=${2:-$build/screenshots}
exe=$build/src/Zvukolet.exe
[ -f "$exe" ] || { echo "screenshot.sh: $exe does not exist; build it first" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)

export ZV_WINE_DIR=$build/screenshot-wine
unset ZV_DISPLAY
trap '"$here/wine/stop.sh" "$ZV_WINE_DIR"' EXIT

wine_cmd() { "$here/wine/run.sh" "$@" </dev/null >/dev/null 2>&1; }

# Writes the list file (UTF-16LE without a byte-order mark, CR LF) and the settings.
prepare_prefix() {
    local prefix folder
    prefix=$(. "$ZV_WINE_DIR/env" && echo "$WINEPREFIX")
    folder=$prefix/drive_c/Zvukolet-ukazka
    mkdir -p "$folder"
    sed 's/$/\r/' "$here/screenshot/Zvukolet.xml.txt" | iconv -f UTF-8 -t UTF-16LE >"$folder/Zvukolet.xml"
    # The root key present is what tells the program that it has run before.
    wine_cmd reg add 'HKCU\Software\Vrbatec\Zvukolet\2\Zdroje' /v soubor /t REG_SZ \
        /d 'C:\Zvukolet-ukazka\Zvukolet.xml' /f
    # A ten-second 440 Hz tone, the last source of the sample list.
    python3 - "$folder/ton.wav" <<'PY'
import math, struct, sys, wave
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(44100)
    w.writeframes(b"".join(struct.pack("<h", int(12000 * math.sin(2 * math.pi * 440 * i / 44100)))
                           for i in range(441000)))
PY
    wine_cmd reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f
    wine_cmd reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
}

set_dpi() {
    wine_cmd reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f
}

# The X window of the program's main window: the biggest visible window named Zvukolet.
main_window() {
    local id best="" area best_area=0 w h
    for id in $(xdotool search --onlyvisible --name 'Zvukolet' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        w=$WIDTH h=$HEIGHT
        area=$((w * h))
        if [ "$area" -gt "$best_area" ]; then best=$id best_area=$area; fi
    done
    echo "$best"
}

capture() { # window, file: the window's rectangle, taken from the screen so menus show
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -display "$DISPLAY" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}

start_program() { # sets pid and win (empty when no main window appeared in 30 s)
    local i
    "$WINE" "$exe" </dev/null >/dev/null 2>&1 &
    pid=$!
    win=""
    for i in $(seq 1 150); do
        win=$(main_window)
        [ -n "$win" ] && return 0
        sleep 0.2
    done
    echo "screenshot.sh: no main window appeared ($1)" >&2
    kill "$pid" 2>/dev/null || true
    return 1
}

shoot() { # percent
    local pct=$1 win pid
    # shellcheck disable=SC1091
    . "$ZV_WINE_DIR/env"
    start_program "at $pct %" || return 1
    xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
    sleep 1.5 # let the window finish painting
    capture "$win" "$out/okno-$pct.png"

    # Alt+P opens the first menu of the bar, "&Program".
    xdotool key --window "$win" --clearmodifiers alt+p
    sleep 1
    capture "$win" "$out/program-$pct.png"
    xdotool key --window "$win" Escape Escape
    echo "$out/okno-$pct.png $out/program-$pct.png"
    shoot_settings "$pct" || true
    kill "$pid" 2>/dev/null || true
}

# A visible window whose title holds the text, waited for up to ten seconds.
wait_window() {
    local i id
    for i in $(seq 1 50); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}

# F4 opens the settings on the general page, with the focus in the tree of pages; Down moves
# to the next page.
shoot_settings() { # percent; the main window is $win
    local pct=$1 dlg i names=(obecne klavesy ikona po-spusteni prehravac zaznam)
    xdotool key --window "$win" --clearmodifiers F4
    dlg=$(wait_window 'Nastavení') || { echo "screenshot.sh: no settings dialog ($pct %)" >&2; return 1; }
    for i in "${!names[@]}"; do
        [ "$i" -gt 0 ] && xdotool key --window "$dlg" Down
        sleep 1
        capture "$dlg" "$out/nastaveni-${names[$i]}-$pct.png"
        echo "$out/nastaveni-${names[$i]}-$pct.png"
    done
    xdotool key --window "$dlg" Escape
}

# Without the settings root the program greets the user with the first-run dialog; Esc
# closes it, which stores the settings again.
shoot_first_run() { # percent
    local pct=$1 win pid dlg
    # shellcheck disable=SC1091
    . "$ZV_WINE_DIR/env"
    wine_cmd reg delete 'HKCU\Software\Vrbatec\Zvukolet\2' /f
    start_program "for the first run at $pct %" || return 1
    if dlg=$(wait_window 'První spuštění'); then
        sleep 1
        capture "$dlg" "$out/prvni-spusteni-$pct.png"
        echo "$out/prvni-spusteni-$pct.png"
        xdotool key --window "$dlg" Escape
    else
        echo "screenshot.sh: no first-run dialog ($pct %)" >&2
    fi
    kill "$pid" 2>/dev/null || true
}

# The program plays the tone at start: the last played source is the tone, and the settings
# ask for playing after start.
shoot_playing() {
    local win pid i T
    # shellcheck disable=SC1091
    . "$ZV_WINE_DIR/env"
    T=$(mktemp -d)
    mkdir -p "$T/pulse" "$T/xdg"
    printf '%s\n' 'load-module module-null-sink sink_name=ukazka' \
        "load-module module-native-protocol-unix socket=$T/pulse/native auth-anonymous=1" \
        'set-default-sink ukazka' >"$T/pa.pa"
    XDG_RUNTIME_DIR=$T/xdg HOME=$T timeout 120 pulseaudio -n -F "$T/pa.pa" --exit-idle-time=-1 \
        --daemonize=no --use-pid-file=no --disable-shm=yes </dev/null >/dev/null 2>&1 &
    local pulse=$!
    for i in $(seq 1 100); do [ -S "$T/pulse/native" ] && break; sleep 0.05; done
    wine_cmd reg add 'HKCU\Software\Vrbatec\Zvukolet\2\Stav aplikace' /v prehravanyIndex /t REG_DWORD /d 5 /f
    wine_cmd reg add 'HKCU\Software\Vrbatec\Zvukolet\2\Po spusteni' /v spustitPrijem /t REG_DWORD /d 1 /f
    if PULSE_SERVER=unix:$T/pulse/native start_program "for the playing shot"; then
        sleep 4 # the control opens the file and reports that it plays
        capture "$win" "$out/hraje-100.png"
        echo "$out/hraje-100.png"
        kill "$pid" 2>/dev/null || true
    fi
    wine_cmd reg delete 'HKCU\Software\Vrbatec\Zvukolet\2\Po spusteni' /v spustitPrijem /f
    kill "$pulse" 2>/dev/null || true
    rm -rf "$T"
}

for dpi in 96:100 144:150; do
    "$here/wine/start.sh" "$ZV_WINE_DIR"
    prepare_prefix
    set_dpi "${dpi%%:*}"
    # Wine reads the display settings when it starts.
    "$here/wine/stop.sh" "$ZV_WINE_DIR"
    "$here/wine/start.sh" "$ZV_WINE_DIR"
    shoot_first_run "${dpi##*:}"
    prepare_prefix
    shoot "${dpi##*:}"
    [ "${dpi##*:}" = 100 ] && shoot_playing
    "$here/wine/stop.sh" "$ZV_WINE_DIR"
done
