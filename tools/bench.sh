#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/dipendenze.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DKOBALTINO_TESTS=OFF -DKOBALTINO_BENCH=ON >/dev/null
cmake --build build/bench -j"$(nproc)"
for b in $(find build/bench/bench -maxdepth 2 -type f -executable -name 'bench_*' | sort); do
  echo "== $b"
  QT_QPA_PLATFORM=offscreen "$b" "$@"
done
