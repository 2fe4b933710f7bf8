#!/usr/bin/env bash
# Shows a drag in progress on a 1366 x 768 virtual screen: a real mouse drag (xdotool) of the
# main grid's "Se" block towards the top of the grid, and one of the "Attendi" palette item
# onto the grid; each screenshot is taken while the button is still held down.
#
#   tools/trascinamento.sh [build folder] [output folder]
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
for programma in Xvfb xdotool import; do
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
  xdotool mouseup 1 2>/dev/null || true
  [ -n "$pid_editor" ] && kill "$pid_editor" 2>/dev/null || true
  rm -rf "$lavoro"
}
trap pulisci EXIT

# Main grid: Avanti, Attendi, Scrivi Ram, a "Se" block, Fermo, and a "Vai a" to row 1.
record() { printf '"%s","%s","%s","%s"\r\n' "$@"; }
{
  record "" 1 "" gg1
  record "1,0" 8 0 gg1
  record "Ram3 d'100'" 13 "" gg1
  record "Ram3 > Ram4" 15 "" gg1
  record "" 6 "" gg1
  record "" 16 "" gg1
  record "" 7 "" gg1
  record "1" 9 "" gg1
  for i in $(seq 1 20); do
    if [ "$i" = 3 ]; then record "d'100'" "$i" "" RAM; else record "" "$i" "" RAM; fi
  done
  for i in $(seq 1 20); do record "" "$i" "" EEP; done
} > "$lavoro/esempio.kbn"

for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

QT_QPA_PLATFORM=xcb "$editor" --impostazioni "$lavoro/Data/Data.dat" --apri "$lavoro/esempio.kbn" \
  >"$lavoro/editor.log" 2>&1 &
pid_editor=$!
finestra=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kobaltino' | head -n1)
xdotool mousemove 5 5
xdotool windowfocus --sync "$finestra"
sleep 1.5
foto() { import -window root "$uscita/$1.png"; echo "$uscita/$1.png"; }

# Where things are on this screen (the window at 0,0 without a window manager): the main
# grid's first row starts at y = 88, rows are 500 twips (33 px at 96 dpi) high; "Attendi" is
# the eighth item of the main "Istruzioni comuni" palette.
foto prima_del_trascinamento >/dev/null
gx=100 gy=88 px=275 py=616
riga() { echo $((gy + $1 * 33 + 16)); }

# The "Se" row (row 3) dragged up, held over the line between rows 0 and 1.
xdotool mousemove "$gx" "$(riga 3)" mousedown 1
for y in $(seq "$(riga 3)" -6 "$(( $(riga 1) - 14 ))"); do xdotool mousemove "$gx" "$y"; sleep 0.02; done
sleep 0.5
foto trascinamento_righe
xdotool mouseup 1
sleep 0.8
foto dopo_lo_spostamento

# "Attendi" from the main palette onto the grid, held between rows 4 and 5.
xdotool mousemove "$px" "$py" mousedown 1
for i in $(seq 0 20); do
  xdotool mousemove $((px + (gx - px) * i / 20)) $((py + ($(riga 5) - 14 - py) * i / 20)); sleep 0.02
done
sleep 0.5
foto trascinamento_tavolozza
xdotool key Escape
xdotool mouseup 1
