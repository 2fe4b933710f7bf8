#!/usr/bin/env bash
# Installs what is missing, builds Kobaltino (Release) and starts the editor.
set -euo pipefail
cd "$(dirname "$0")"
tools/dipendenze.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DKOBALTINO_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
exec build/release/src/app/kobaltino "$@"
