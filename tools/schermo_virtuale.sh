#!/usr/bin/env bash
# Runs a command on a virtual screen of its own and stops the screen afterwards.
#
#   tools/schermo_virtuale.sh LARGHEZZAxALTEZZAxPROFONDITÀ COMMAND [ARGUMENTS...]
#
# Xvfb chooses a free display number itself and tells it back (-displayfd), so runs started
# side by side, by ctest or by anyone else on the machine, never end up on the same screen.
# -noreset: by default Xvfb resets when its last client goes, and a program started right
# after another one has ended (a crash and the restart that recovers its work) could not connect.
set -uo pipefail
geometria=$1
shift
cartella=$(mktemp -d)
server=
fine() {
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$cartella"
}
trap fine EXIT
mkfifo "$cartella/numero"
Xvfb -displayfd 3 -screen 0 "$geometria" -nolisten tcp -noreset 3>"$cartella/numero" >/dev/null 2>&1 &
server=$!
read -r numero <"$cartella/numero"
if [ -z "${numero:-}" ]; then
  echo "Impossibile avviare lo schermo virtuale (Xvfb)." >&2
  exit 1
fi
DISPLAY=:$numero "$@"
stato=$?
exit "$stato"
