#!/usr/bin/env bash
# Installs what building, playing, testing and packaging Tumbaro need on
# Debian 12, and nothing when everything is already there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config python3 clang libclang-rt-14-dev
  qt6-base-dev qt6-tools-dev qt6-l10n-tools libjpeg62-turbo-dev libpulse-dev
  qt6-charts-dev libqt6opengl6-dev
  libgtest-dev libbenchmark-dev
  fonts-comic-neue fonts-dejavu-core fonts-dejavu-extra fonts-comfortaa
  xvfb xdotool x11-utils imagemagick faketime xclip
  orca at-spi2-core dbus-daemon dbus-bin
  pulseaudio pulseaudio-utils
  sway qt6-wayland wtype grim
  desktop-file-utils appstream
  dpkg-dev file lintian man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
