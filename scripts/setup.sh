#!/usr/bin/env bash
# Installs whatever is missing from Debian's packages; quick when everything is there.
set -euo pipefail
packages=(
  g++ cmake ninja-build make
  qt6-base-dev qt6-qpa-plugins libgl-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth xdotool imagemagick poppler-utils
  clang libclang-rt-14-dev clang-format
  dpkg-dev file appstream lintian desktop-file-utils shared-mime-info libglib2.0-bin
  nauty
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
