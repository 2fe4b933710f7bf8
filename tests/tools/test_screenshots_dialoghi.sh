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

errori=0
controlla() {  # controlla <description> <command...>
  local cosa=$1
  shift
  if ! "$@"; then
    echo "FALLITO: $cosa" >&2
    errori=$((errori + 1))
  fi
}
controlla "CMakeCache.txt is kept" grep -qx 'CMAKE_BUILD_TYPE:STRING=Debug' "$uscita/CMakeCache.txt"
controlla "a file in a subfolder is kept" test "$(cat "$uscita/src/app/kobaltino")" = ELF
controlla "the old picture is replaced by a PNG" test "$(head -c 4 "$uscita/01_attendi.png" | tail -c 3)" = PNG
controlla "the script names the pictures it wrote" grep -qx "$uscita/20_se.png" "$cartella/elenco"
scritte=$(find "$uscita" -maxdepth 1 -name '*.png' | wc -l)
controlla "every listed picture is there ($scritte)" test "$scritte" -eq "$(wc -l <"$cartella/elenco")"
controlla "nothing but pictures added" test "$(find "$uscita" -type f ! -name '*.png' | wc -l)" -eq 2
exit $((errori > 0))
