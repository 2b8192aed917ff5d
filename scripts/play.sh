#!/usr/bin/env bash
# Installs what building and running the game need and is missing, builds the
# game without its tests, prepares its working folder in run/ (the player's
# high-score files there are never overwritten) and starts the game in it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh" play
bash "$root/scripts/build.sh" "$root/build" -DBUILD_TESTING=OFF
run="$root/run"
mkdir -p "$run/Help"
cp -n "$root/assets/runtime/H.dat" "$root/assets/runtime/H2.dat" "$run/"
cp "$root"/assets/runtime/b?.jpg "$root"/assets/runtime/b?@2x.jpg "$root/assets/runtime/CHANGE.WAV" "$run/"
cp "$root"/assets/runtime/Help/Vendrask*.html "$run/Help/"
cd "$run"
echo "Starting Tumbaro in $run"
exec "$root/build/ui/tumbaro"
