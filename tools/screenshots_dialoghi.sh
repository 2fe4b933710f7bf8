#!/usr/bin/env bash
# Renders every instruction dialog under Xvfb into build-dialoghi/screenshots/*.png.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-dialoghi}
uscita=${1:-$build/screenshots}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" --target screenshots_dialoghi -j2 >/dev/null
# A sanitized build would report fontconfig's cache at exit as a leak and fail the run.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
rm -rf "$uscita"
mkdir -p "$uscita"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tests/dialogs/screenshots_dialoghi" "$uscita"
