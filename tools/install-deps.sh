#!/usr/bin/env bash
# Installs every Debian package Velmora needs to build, test and be looked at.
# Idempotent: when everything is present it only runs dpkg-query and exits.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6svg6 qt6-image-formats-plugins
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n
  libjpeg-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  liblz4-dev libzstd-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick x11-utils openbox
  at-spi2-core python3-pyatspi dbus-bin
  fonts-dejavu-core
  desktop-file-utils appstream libxml2-utils man-db lintian librsvg2-bin dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
