#!/usr/bin/env bash
# tools/screenshots_dialoghi.sh handed a folder that already holds other work (a build folder, say)
# writes its pictures there, replaces an old picture of the same name and leaves the rest alone.
#
#   test_screenshots_dialoghi.sh <source folder> <configured build folder>
set -euo pipefail
sorgente=$1 build=$2
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
uscita=$cartella/build
mkdir -p "$uscita/src/app"
printf 'CMAKE_BUILD_TYPE:STRING=Debug\n' >"$uscita/CMakeCache.txt"
printf 'ELF' >"$uscita/src/app/kobaltino"
printf 'vecchia' >"$uscita/01_attendi.png"

BUILD_DIR=$build "$sorgente/tools/screenshots_dialoghi.sh" "$uscita" >"$cartella/elenco"

fallisci() { echo "FALLITO: $*" >&2; exit 1; }
grep -qx 'CMAKE_BUILD_TYPE:STRING=Debug' "$uscita/CMakeCache.txt" || fallisci "CMakeCache.txt is not kept"
[ "$(cat "$uscita/src/app/kobaltino")" = ELF ] || fallisci "a file in a subfolder is not kept"
[ "$(head -c 4 "$uscita/01_attendi.png" | tail -c 3)" = PNG ] || fallisci "the old picture is not replaced by a PNG"
grep -qx "$uscita/20_se.png" "$cartella/elenco" || fallisci "the script does not name the pictures it wrote"
scritte=$(find "$uscita" -maxdepth 1 -name '*.png' | wc -l)
[ "$scritte" -eq "$(wc -l <"$cartella/elenco")" ] || fallisci "not every listed picture is there ($scritte)"
[ "$(find "$uscita" -type f ! -name '*.png' | wc -l)" -eq 2 ] || fallisci "something but pictures added"
