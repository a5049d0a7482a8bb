#!/usr/bin/env bash
# Installs, from Debian's packages, what building and testing Zvukolet needs.
# Does nothing when everything is there already.
set -euo pipefail

packages=(
    cmake ninja-build python3 git
    g++-mingw-w64-x86-64-posix mingw-w64-tools googletest
    g++ libgtest-dev libgmock-dev clang libclang-rt-14-dev clang-format
    wine64 wine libwine
    xvfb xauth x11-apps xdotool imagemagick util-linux
    # The installer and the portable zip (tools/package.sh).
    nsis zip
    # Wine's media player control decodes through GStreamer and plays to PulseAudio.
    pulseaudio gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    # The MP3 tone that the stream engine's decoder tests decode, encoded in the build.
    lame
    # Wine's AAC decoder transform decodes through GStreamer's libav plugin, which with
    # gst-launch-1.0 also encodes the AAC tone of those tests.
    gstreamer1.0-libav gstreamer1.0-tools
    # The radio server that the stream engine's tests play from (tests/playback/s_icecastem.sh).
    icecast2
    # https: Wine's TLS goes through GnuTLS (only recommended by Wine's packages), and the tests'
    # radio server gets a certificate made with openssl for each run.
    libgnutls30 openssl
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
