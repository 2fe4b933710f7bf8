#!/usr/bin/env bash
# Builds the Debian package in a Release folder of its own and checks it as a user's machine
# sees it: its contents and dependencies, the desktop entry, the AppStream data and lintian;
# then unpacked with dpkg -x into a scratch root, the programs run from there and use the data
# that came with them.
#
#   tools/pacchetto.sh [build folder]      (default build/pacchetto)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/dipendenze.sh
build=${1:-build/pacchetto}

radice=$(mktemp -d)
trap 'rm -rf "$radice"' EXIT
sbaglia() {
  echo "pacchetto: $*" >&2
  exit 1
}

inizio=$SECONDS
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKOBALTINO_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
echo "Compilazione Release: $((SECONDS - inizio)) s"
(cd "$build" && cpack -G DEB >/dev/null)
versione=$("$build"/src/app/kobaltino-cli --version | sed -n '1s/^kobaltino-cli //p')
pacchetto=$build/kobaltino_${versione}_amd64.deb
[ "$pacchetto" -nt "$radice" ] || sbaglia "cpack non ha scritto $pacchetto"
echo "Pacchetto: $pacchetto, $((SECONDS - inizio)) s"
dpkg-deb --info "$pacchetto"
dpkg-deb --contents "$pacchetto"

# Depends: what the programs link, computed, and gpasm; nothing that only the tests use.
dipende=$(dpkg-deb --field "$pacchetto" Depends)
for voce in gputils libc6 libqt6core6; do
  grep -qw -- "$voce" <<<"$dipende" || sbaglia "Depends senza $voce: $dipende"
done
! grep -qE 'gpsim|gtest|gmock|benchmark|xvfb' <<<"$dipende" || sbaglia "Depends con strumenti delle prove: $dipende"

lintian --fail-on error "$pacchetto"

dpkg -x "$pacchetto" "$radice"
usr=$radice/usr
for desktop in "$usr"/share/applications/*.desktop; do desktop-file-validate "$desktop"; done
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml

# The version is one: the programs, the newest release in the AppStream data, the changelog.
[ "$(QT_QPA_PLATFORM=offscreen "$usr"/bin/kobaltino --version)" = "Kobaltino $versione" ] ||
  sbaglia "kobaltino --version non dice $versione"
rilascio=$(grep -o -m 1 '<release version="[^"]*"' "$usr"/share/metainfo/*.metainfo.xml | cut -d '"' -f 2)
registro=$(zcat "$usr"/share/doc/kobaltino/changelog.gz | dpkg-parsechangelog -l - -S Version)
[ "$rilascio" = "$versione" ] && [ "$registro" = "$versione" ] ||
  sbaglia "versione $versione, ultimo rilascio AppStream $rilascio, changelog $registro"

# Every file type the desktop entry opens is known to the MIME database and has its icon.
update-mime-database "$usr"/share/mime 2>/dev/null || update-mime-database "$usr"/share/mime  # again, to show why
tipi=$(sed -n 's/^MimeType=//p' "$usr"/share/applications/*.desktop | tr ';' ' ')
[ -n "$tipi" ] || sbaglia "la voce del desktop non apre nessun tipo di file"
for tipo in $tipi; do
  grep -q ":$tipo:\*\." "$usr"/share/mime/globs2 || sbaglia "$tipo senza estensione nel database MIME"
  [ -f "$usr/share/icons/hicolor/scalable/mimetypes/${tipo/\//-}.svg" ] || sbaglia "$tipo senza icona"
done
icona=$(sed -n 's/^Icon=//p' "$usr"/share/applications/*.desktop)
[ -f "$usr/share/icons/hicolor/scalable/apps/$icona.svg" ] || sbaglia "manca l'icona $icona"

# The unpacked kobaltino-cli finds its data in the unpacked tree, not in the build folder.
cli=$usr/bin/kobaltino-cli
"$cli" --version
cartelle=(Guida Arene Esempi)
[ -d resources/sfide ] && cartelle+=(Sfide)
for voce in "${cartelle[@]}"; do
  cartella=$("$cli" --version | sed -n "s/^$voce: //p")
  [[ $cartella == "$usr"/share/kobaltino/* ]] || sbaglia "$voce cercata in ${cartella:-nessuna cartella}"
done
# Each installed arena is one simula reads, each installed sample a program that runs.
esempi=("$usr"/share/kobaltino/esempi/*.kbn)
for arena in "$usr"/share/kobaltino/arene/*.json; do
  "$cli" simula "${esempi[0]}" --arena "$arena" --cicli 2000 >/dev/null || sbaglia "arena $arena"
done
for esempio in "${esempi[@]}"; do
  "$cli" simula "$esempio" --arena pista --cicli 2000 >/dev/null || sbaglia "esempio $esempio"
done

# The completion offers the commands, the processors and the arenas the unpacked program has.
completa() {
  bash -c 'source /usr/share/bash-completion/bash_completion; source "$1"; shift
           COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
           _kobaltino_cli 2>/dev/null; printf "%s\n" "${COMPREPLY[@]}"' _ \
    "$usr"/share/bash-completion/completions/kobaltino-cli "$cli" "$@"
}
for caso in "si:simula" "va:valuta" "simula x.kbn --pic 16F6:16F628" "simula x.kbn --arena la:labirinto" \
            "simula x.kbn --ingresso Ul:Ultrasuono=" "converti --ig:--ignora-righe-sconosciute"; do
  parole=${caso%%:*}
  # read whole first: grep -q stops at the first match and would break the pipe under pipefail
  # shellcheck disable=SC2086  # the words of the command line, split as the shell does
  offerte=$(completa $parole)
  grep -qxF -e "${caso##*:}" <<<"$offerte" || sbaglia "completamento di \"$parole\": $(xargs <<<"$offerte")"
done
echo "Pacchetto verificato: $pacchetto"
