#!/usr/bin/env bash
# Starts the editor on a 1366 x 768 virtual screen with a sample program loaded and saves
# screenshots: the main window, a handler tab, the value of a used memory box and the
# grid-clearing dialog; then the simulator with the sample programs in their arenas (the
# line-following track, the maze, the lamp room) and the timeline taken back.
#
#   tools/screenshots.sh [build folder] [output folder]
#
# The build folder defaults to build-finestra; the pictures go to <build folder>/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
# On a virtual screen of its own, whose number Xvfb picks.
if [ -z "${KOBALTINO_SCHERMO:-}" ]; then
  KOBALTINO_SCHERMO=1 exec tools/schermo_virtuale.sh 1366x768x24 "tools/$(basename "$0")" "$@"
fi
build=${1:-build-finestra}
uscita=${2:-$build/screenshots}
for programma in Xvfb xdotool import convert; do
  command -v "$programma" >/dev/null || { echo "Manca $programma: eseguire tools/dipendenze.sh" >&2; exit 1; }
done
[ -d "$build" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target kobaltino -j2 >/dev/null
editor=$build/src/app/kobaltino
mkdir -p "$uscita"
uscita=$(cd "$uscita" && pwd)

lavoro=$(mktemp -d)
pid_editor=""
pulisci() {
  [ -n "$pid_editor" ] && kill "$pid_editor" 2>/dev/null || true
  rm -rf "$lavoro"
}
trap pulisci EXIT

# A small program: main grid with a "Se" block and memory writes, two handlers.
record() { printf '"%s","%s","%s","%s"\r\n' "$@"; }
{
  record "" 1 1 gg1
  record "1,0" 8 "" gg1
  record "Ram3 d'100'" 13 "" gg1
  record "EEP5 b'00001111'" 17 "" gg1
  record "" 6 "" gg1
  record "Ram3" 19 "" gg1
  record "Ram3 > Ram4" 15 "" gg1
  record "" 7 "" gg1
  record "" 16 "" gg1
  record "Luce_destra" 10 "" gg1
  record "0" 9 "" gg1
  record "" 4 "" gg8
  record "0,5" 8 "" gg8
  record "Luce_sinistra" 27 "" gg8
  record "" 3 "" gg8
  record "Ram4" 22 "" gg8
  record "" 14 "" gg8
  record "" 2 "" gg2
  record "" 14 "" gg2
  for i in $(seq 1 20); do
    if [ "$i" = 3 ]; then record "d'100'" "$i" "" RAM; else record "" "$i" "" RAM; fi
  done
  for i in $(seq 1 20); do
    if [ "$i" = 5 ]; then record "b'00001111'" "$i" "" EEP; else record "" "$i" "" EEP; fi
  done
} > "$lavoro/esempio.kbn"

for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

QT_QPA_PLATFORM=xcb "$editor" --impostazioni "$lavoro/Data/Data.dat" --apri "$lavoro/esempio.kbn" \
  >"$lavoro/editor.log" 2>&1 &
pid_editor=$!
finestra=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kobaltino' | head -n1)
# No window manager here: give the window the keyboard ourselves.
xdotool mousemove 5 5
xdotool windowfocus --sync "$finestra"
sleep 1.5

foto() { import -window root "$uscita/$1.png"; echo "$uscita/$1.png"; }
foto finestra_principale

# A handler tab: from the main grid, Tab reaches the processor list, then the tab bar.
xdotool key --delay 150 Tab Tab Right Right Right Right Right Right
sleep 0.5
foto scheda_ultrasuoni

# Double-click on the first red memory box.
rosso=$(convert "$uscita/finestra_principale.png" txt:- | grep -i "#FF0000" | head -n1 | cut -d: -f1 || true)
if [ -n "$rosso" ]; then
  x=${rosso%,*} y=${rosso#*,}
  xdotool mousemove $((x + 4)) $((y + 4)) click --repeat 2 --delay 60 1
  sleep 1
  foto valore_memoria
  xdotool key Return
  sleep 0.5
else
  echo "Nessuna casella di memoria rossa trovata" >&2
fi

xdotool windowfocus --sync "$finestra"
xdotool key ctrl+g
sleep 1
foto cancella_griglia
xdotool key Escape
sleep 0.3

# ---- the simulator ---------------------------------------------------------------------------
kill "$pid_editor" 2>/dev/null || true
wait "$pid_editor" 2>/dev/null || true
pid_editor=""

# Starts the editor on a sample program with the simulator running in `arena` at 4x, and waits
# `secondi` (real time) before the picture.
simula() {
  local nome=$1 programma=$2 arena=$3 secondi=$4
  QT_QPA_PLATFORM=xcb "$editor" --impostazioni "$lavoro/Data/Data.dat" --apri "resources/esempi/$programma" \
    --simula "$arena" --velocita 4 >"$lavoro/simulatore.log" 2>&1 &
  pid_editor=$!
  simulatore=$(timeout 20 xdotool search --sync --onlyvisible --name '^Simulatore$' | head -n1)
  sleep "$secondi"
  foto "$nome"
}
chiudi() {
  kill "$pid_editor" 2>/dev/null || true
  wait "$pid_editor" 2>/dev/null || true
  pid_editor=""
}

simula simulatore_labirinto labirinto.kbn labirinto 8
chiudi
simula simulatore_lampada lampada.kbn lampada 8
chiudi
simula simulatore_pista segui_linea.kbn pista 8
# Pause (F5), then take the timeline (Alt+T) five seconds back (PageDown, one second each).
xdotool windowfocus --sync "$simulatore"
xdotool key F5
sleep 0.3
xdotool key --delay 200 alt+t Next Next Next Next Next
sleep 0.5
foto simulatore_indietro
chiudi
