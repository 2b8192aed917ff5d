#!/usr/bin/env bash
# Measures the figures in docs/performance.md on this machine: start-up,
# memory and idle CPU against a bare Qt window under Xvfb, CPU per animation
# tick, and replay throughput. Run it on a quiet machine; figures vary a few
# per cent from run to run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# An absolute build folder: the programs below are started in other folders.
build=$(realpath -m -- "${1:-$root/build}")
bash "$root/scripts/build.sh" "$build"

echo "## Window (Xvfb, median of 7 starts each)"
python3 "$root/bench/measure.py" "$build/ui/tumbaro" "$build/bench/bare_window" "$root/assets/runtime" 7

echo "## CPU per animation tick (offscreen window, tick handler + repaint, 300 moves)"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
cp "$root"/assets/runtime/b?.jpg "$root/assets/runtime/CHANGE.WAV" "$runtime/"
# A table no game can enter, so the end of a game asks only the question.
for _ in $(seq 10); do printf 'Nobody\r\n' >>"$runtime/H.dat"; printf '2000000000\r\n' >>"$runtime/H2.dat"; done
"$build/bench/tick_cost" "$runtime" 300 2>/dev/null

echo "## Replay throughput"
/usr/bin/time -f "%e s elapsed, %U s user" "$build/tools/replay/tumbaro-replay" 1 --auto 1000000 --summary

if [ -x "$build/bench/game_bench" ]; then
  echo "## Game logic benchmarks"
  "$build/bench/game_bench" --benchmark_min_time=0.5
fi
