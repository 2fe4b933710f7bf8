#!/usr/bin/env bash
# Installs the Debian packages Kobaltino needs, skipping what is already there.
set -euo pipefail
pacchetti=(cmake g++ make qt6-base-dev libgl-dev gputils gpsim libgtest-dev libgmock-dev googletest
           libbenchmark-dev qt6-serialport-dev ccache qt6-translations-l10n xvfb xauth imagemagick xdotool poppler-utils
           help2man locales desktop-file-utils appstream lintian dpkg-dev file shared-mime-info bash-completion
           "$@")
mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti+=("$p")
done
if [ ${#mancanti[@]} -gt 0 ]; then
  echo "Installazione dei pacchetti mancanti: ${mancanti[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q "${mancanti[@]}"
fi
