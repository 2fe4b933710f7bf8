#!/usr/bin/env bash
# Installs what is missing, builds the tests (Debug, AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs them.
set -euo pipefail
cd "$(dirname "$0")"
tools/dipendenze.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DKOBALTINO_SANITIZE=ON -DKOBALTINO_TESTS=ON -DKOBALTINO_BENCH=ON >/dev/null
cmake --build build/test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j"$(nproc)" "$@"
