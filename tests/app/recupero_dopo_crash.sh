#!/usr/bin/env bash
# A killed editor (kill -9) leaves the copy of its unsaved work; the next start offers it:
# answered No the copy goes and the program file stays as it was, answered Sì it restores the
# work (saved, the program file gets it). Runs under a virtual X screen with real keys.
#
#   recupero_dopo_crash.sh EDITOR PROGRAMMA.kbn     (on a virtual screen: tools/schermo_virtuale.sh)
set -euo pipefail
editor=$1
programma=$2
lavoro=$(mktemp -d)
pid=""
pulisci() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null || true
  rm -rf "$lavoro"
}
trap pulisci EXIT
export XDG_DATA_HOME=$lavoro/dati XDG_CONFIG_HOME=$lavoro/config
export QT_QPA_PLATFORM=xcb  # the virtual screen, even when the other tests run offscreen
export KOBALTINO_INTERVALLO_RECUPERO_MS=200
recupero=$XDG_DATA_HOME/Kobaltino/recupero
cp "$programma" "$lavoro/prog.kbn"
originale=$(cat "$lavoro/prog.kbn")
prima=$(grep -c '"gg1"' "$lavoro/prog.kbn")

fallisci() { echo "FALLITO: $*" >&2; exit 1; }
# Waits (at most 30 s) until the command succeeds.
aspetta() {
  for _ in $(seq 300); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  fallisci "scaduto: $*"
}
finestra() { xdotool search --onlyvisible --name "$1" | tail -1; }  # the newest whose title matches $1
tasti() {  # keys to finestra $1
  local w; w=$(finestra "$1"); shift
  xdotool windowfocus --sync "$w"
  for t in "$@"; do xdotool key "$t"; sleep 0.2; done
}
copia_con_avanti() { [ "$(grep -c '"gg1"' "$recupero"/recupero-*.kbn 2>/dev/null)" = $((prima + 1)) ]; }
domanda_aperta() { [ "$(xdotool search --onlyvisible --name '^Kobaltino$' | wc -l)" -ge 2 ]; }  # the window and the question
principali_salvate() { [ "$(grep -c '"gg1"' "$lavoro/prog.kbn")" = $((prima + 1)) ]; }
finito() { ! kill -0 "$pid" 2>/dev/null; }
nessuna_copia() { ! ls "$recupero"/recupero-*.kbn >/dev/null 2>&1; }

# An editor with the program open inserts "Avanti" (menu Istruzioni > Istruzioni comuni > Avanti)
# and is killed once its copy holds the new row.
modifica_e_uccidi() {
  "$editor" --impostazioni "$lavoro/Data.dat" --apri "$lavoro/prog.kbn" &
  pid=$!
  aspetta finestra "prog.kbn"
  tasti "prog.kbn" alt+i Return Return
  aspetta copia_con_avanti
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  copia_con_avanti || fallisci "la copia di recupero non è rimasta"
  [ "$(cat "$lavoro/prog.kbn")" = "$originale" ] || fallisci "il file del programma è stato toccato"
}

# The next start asks; `risposta` is the key that answers.
riavvia_e_rispondi() {
  "$editor" --impostazioni "$lavoro/Data.dat" &
  pid=$!
  aspetta domanda_aperta
  tasti "^Kobaltino$" "$1"
}

chiudi() {  # File > Chiudi on the window titled $1
  tasti "$1" alt+f c
  aspetta finito
  pid=""
}

# No: the copy goes, the program stays as saved.
modifica_e_uccidi
riavvia_e_rispondi Escape
aspetta nessuna_copia
[ "$(cat "$lavoro/prog.kbn")" = "$originale" ] || fallisci "No ha cambiato il programma"
chiudi "^Kobaltino$"

# Sì: the work comes back under the program's name, unsaved; Ctrl+S writes it into the program.
modifica_e_uccidi
riavvia_e_rispondi Return
aspetta finestra "Kobaltino - prog.kbn"
tasti "prog.kbn" ctrl+s
aspetta principali_salvate
aspetta nessuna_copia
chiudi "prog.kbn"
[ -z "$(ls "$recupero")" ] || fallisci "file rimasti in $recupero: $(ls "$recupero")"
