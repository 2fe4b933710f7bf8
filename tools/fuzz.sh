#!/usr/bin/env bash
# tools/fuzz.sh RUNS: builds the readers' fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build/fuzz, then runs each for RUNS times its weight executions from
# its seeds, with a fixed seed and a time limit per input. Exits non-zero on a crash, a leak, a timeout or a
# sanitizer report; the input that caused it is kept in build/fuzz/reperti.
set -euo pipefail
cd "$(dirname "$0")/.."
esecuzioni=${1:?"uso: tools/fuzz.sh ESECUZIONI (per ciascun lettore)"}
limite=${FUZZ_LIMITE_S:-10}  # seconds one input may take under the sanitizers

tools/dipendenze.sh clang libclang-rt-14-dev
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DKOBALTINO_FUZZ=ON \
      -DKOBALTINO_TESTS=OFF >/dev/null
cmake --build build/fuzz -j"$(nproc)"

# Target, its weight, then its seeds: the samples, the built-in arenas and a few edge files.
# An input costs the program reader about 3 ms and the arena reader a few tens of microseconds:
# the weight gives the cheap readers more executions in the same minutes.
semi=tests/fuzz/semi
lettori=(
  "programma     1 resources/esempi/*.kbn tests/fixtures/*.kbn tests/fixtures/*.sdl $semi/programma/*"
  "impostazioni  1 $semi/impostazioni/*"
  "arena        10 resources/arene/*.json $semi/arena/*"
  "sfida        10 resources/sfide/*.sfida"
  "hex          10 $semi/hex/*"
  "segnalazioni  3 $semi/segnalazioni/*"
  "simulazione   1 $semi/simulazione/*"
)

# Everything a run writes goes under a folder made for it, kept for a look afterwards.
lavoro=$(mktemp -d build/fuzz/corsa.XXXXXX)
mkdir -p build/fuzz/reperti
# The files the targets write for the readers to open go to memory when the machine has it there.
temporanei=$(mktemp -d "$( [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/kobaltino-fuzz.XXXXXX")
trap 'rm -rf "$temporanei"' EXIT
export TMPDIR=$temporanei
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# A smaller quarantine keeps freed memory warm: without it every large buffer faults in new pages.
export ASAN_OPTIONS="quarantine_size_mb=16"

corri() {
  local nome=$1 volte=$2
  shift 2
  mkdir -p "$lavoro/$nome"
  cp "$@" "$lavoro/$nome/"
  local dizionario=()
  [ -f "tests/fuzz/$nome.dict" ] && dizionario=(-dict="tests/fuzz/$nome.dict")
  local inizio fine esito=0
  inizio=$(date +%s.%N)
  "build/fuzz/tests/fuzz/fuzz_$nome" -runs="$(( esecuzioni * volte ))" -seed=1 -timeout="$limite" -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build/fuzz/reperti/$nome-" "${dizionario[@]}" \
    "$lavoro/$nome" >"$lavoro/$nome.txt" 2>&1 || esito=$?
  fine=$(date +%s.%N)
  echo "$esito $inizio $fine" >"$lavoro/$nome.esito"
}

# As many targets at a time as there are cores.
for riga in "${lettori[@]}"; do
  read -r -a campi <<<"$riga"
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  # shellcheck disable=SC2086
  corri ${campi[0]} ${campi[1]} ${campi[@]:2} &
done
wait

guasti=0
totale=0
printf '%-14s %12s %9s %16s\n' lettore esecuzioni secondi "copertura nuova"
for riga in "${lettori[@]}"; do
  nome=${riga%% *}
  registro="$lavoro/$nome.txt"
  read -r esito inizio fine <"$lavoro/$nome.esito"
  eseguiti=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro")
  iniziale=$(sed -n 's/.*INITED cov: \([0-9]*\).*/\1/p;T;q' "$registro")
  finale=$(sed -n 's/.*DONE *cov: \([0-9]*\).*/\1/p' "$registro" | tail -1)
  segnalato=$(grep -c -E '^==[0-9]+==ERROR|runtime error:|Proprietà violata' "$registro" || true)
  printf '%-14s %12s %9.1f %16s\n' "$nome" "${eseguiti:-?}" "$(awk "BEGIN { print $fine - $inizio }")" \
    "$( [ -n "$finale" ] && echo "$(( finale - ${iniziale:-0} )) archi" || echo "-")"
  totale=$(( totale + ${eseguiti:-0} ))
  if [ "$esito" -ne 0 ] || [ "$segnalato" -ne 0 ] || [ -z "$eseguiti" ]; then
    guasti=1
    echo "--- $nome: uscita $esito; dal registro $registro:"
    grep -E -A25 '^==[0-9]+==|runtime error:|Proprietà violata|ERROR: libFuzzer|Test unit written' "$registro" | head -60
  fi
done
echo "Esecuzioni in tutto: $totale"
exit $guasti
