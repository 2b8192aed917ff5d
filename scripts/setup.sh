#!/usr/bin/env bash
# Installs on Debian 12 what is missing, and nothing when everything is there.
# Usage: setup.sh [play|test]
#   play: what building and running the game needs, and nothing more;
#   test (the default): that, and what the tests, the sanitizer and fuzzing
#   passes and the package check need.
set -euo pipefail
need=${1:-test}

# Building: the compiler and build tools, Qt (with the private headers the
# window's zoom sets Qt's scale through) with its translation tools and
# its charts (with the OpenGL module their CMake package asks for), libjpeg,
# libpulse and libxcb. Running: the fonts the window draws its texts in.
play=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-private-dev qt6-tools-dev qt6-l10n-tools qt6-charts-dev libqt6opengl6-dev
  libjpeg62-turbo-dev libpulse-dev libxcb1-dev
  fonts-comic-neue fonts-dejavu-core
)
# The suite and its tools: a compiler cache for the test command's repeated
# builds; GoogleTest and the benchmark library; clang for
# fuzzing; the fonts the picture generator draws with; private X servers with
# their input, screenshot, clock and clipboard tools; Orca on its own buses; a
# private sound server; a headless Wayland compositor with its tools; the
# package builder and its judges.
test=(
  ccache python3 libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-dejavu-extra fonts-comfortaa
  xvfb xdotool x11-utils imagemagick faketime xclip
  orca at-spi2-core dbus-daemon dbus-bin
  pulseaudio pulseaudio-utils
  sway qt6-wayland wtype grim
  desktop-file-utils appstream
  dpkg-dev file lintian man-db
)
case "$need" in
  play) packages=("${play[@]}") ;;
  test) packages=("${play[@]}" "${test[@]}") ;;
  *) echo "usage: setup.sh [play|test]" >&2; exit 2 ;;
esac

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
