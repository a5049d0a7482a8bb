#!/usr/bin/env bash
# Packs a built Zvukolet.exe into the installer and the portable zip:
#   zabalit.sh ZVUKOLET.EXE OUTPUT_FOLDER
# writes OUTPUT_FOLDER/Zvukolet-<version>-setup.exe and Zvukolet-<version>-portable.zip, the
# version being the one in the executable's version block (src/res/resource.h).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -eq 2 ] || { echo "usage: $0 ZVUKOLET.EXE OUTPUT_FOLDER" >&2; exit 2; }
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
mkdir -p "$2"
vystup=$(cd "$2" && pwd)

verze=$(sed -nE 's/^#define ZV_VERZE_TEXT "([0-9]+(\.[0-9]+){3})"$/\1/p' "$here/../../src/res/resource.h")
[ -n "$verze" ] || { echo "$0: no ZV_VERZE_TEXT in src/res/resource.h" >&2; exit 1; }

setup=$vystup/Zvukolet-$verze-setup.exe
zip=$vystup/Zvukolet-$verze-portable.zip
prace=$(mktemp -d "${TMPDIR:-/tmp}/zv-zabalit.XXXXXXXX")
trap 'rm -rf "$prace"' EXIT

makensis -V2 -WX -INPUTCHARSET UTF8 -DVERZE="$verze" -DPROGRAM="$program" \
    -DVYSTUP="$prace/$(basename "$setup")" \
    "$here/Zvukolet.nsi"

# Notepad shows Czech without guessing only with a byte order mark; CRLF for the older ones.
mkdir "$prace/zip"
cp -p "$program" "$prace/zip/Zvukolet.exe"
{
    printf '\xEF\xBB\xBF'
    sed 's/$/\r/' "$here/ctimne.txt"
} >"$prace/zip/ctimne.txt"
(cd "$prace/zip" && zip -q -X -9 "$prace/portable.zip" Zvukolet.exe ctimne.txt)

# Replaced only once both are whole, so a failed run leaves no half-written package.
mv -f "$prace/$(basename "$setup")" "$setup"
mv -f "$prace/portable.zip" "$zip"
echo "$setup"
echo "$zip"
