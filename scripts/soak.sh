#!/usr/bin/env bash
# Plays millions of moves with the sanitizer build of the replay tool, which
# checks the game's invariants on every settled board and stops at the first
# broken one. Run scripts/sanitize.sh first, or give a build folder of the
# "asan" preset.
# Usage: soak.sh [MOVES] [SEED] [BUILD_FOLDER]   (default: 5000000 7 build-asan)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
moves=${1:-5000000}
seed=${2:-7}
build=${3:-$root/build-asan}

replay=$build/tools/replay/tumbaro-replay
if [ ! -x "$replay" ] || ! grep -q TUMBARO_CHECK_INVARIANTS "$build/CMakeCache.txt" 2>/dev/null; then
  echo "soak.sh: $build is not a build of the asan preset; run scripts/sanitize.sh first" >&2
  exit 2
fi

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
start=$(date +%s)
"$replay" "$seed" --auto "$moves" --summary
echo "soak: $moves moves from seed $seed in $(( $(date +%s) - start )) s, every settled board checked"
