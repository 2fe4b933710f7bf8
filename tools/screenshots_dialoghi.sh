#!/usr/bin/env bash
# Renders every instruction dialog under Xvfb into PNG files.
#
#   tools/screenshots_dialoghi.sh [output folder]
#
# The build folder is $BUILD_DIR (default build-dialoghi); the pictures go to <build folder>/screenshots
# unless a folder is named. A folder that already exists keeps everything but the pictures written here.
set -euo pipefail
radice=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${BUILD_DIR:-$radice/build-dialoghi}")
uscita=$(realpath -m "${1:-$build/screenshots}")
cd "$radice"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" --target screenshots_dialoghi -j2 >/dev/null
# A sanitized build would report fontconfig's cache at exit as a leak and fail the run.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}

# Rendered into a folder of our own first, then moved over the old pictures one by one.
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
QT_QPA_PLATFORM=xcb "$radice/tools/schermo_virtuale.sh" 1280x1024x24 "$build/tools/screenshots_dialoghi" "$lavoro" >/dev/null
mkdir -p "$uscita"
for immagine in "$lavoro"/*.png; do
  mv -f "$immagine" "$uscita/"
  echo "$uscita/$(basename "$immagine")"
done
