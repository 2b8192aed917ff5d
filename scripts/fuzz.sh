#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a fixed time,
# starting from the saved inputs in tests/fuzz/<target>/. Fails when any
# target crashes or breaks a property; the input that did it is copied into
# tests/fuzz/<target>/ so that every later test run tries it again.
# Usage: fuzz.sh [SECONDS_PER_TARGET] [BUILD_FOLDER]   (default: 15 build-fuzz)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-15}
build=${2:-$root/build-fuzz}

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$(nproc)"

# Longest input worth trying per target: a score line is short, store and
# score files are a few lines, a saved game and a table's commit record are a
# few hundred bytes, and the carried pictures are a few kilobytes.
declare -A max_len=([score_text]=64 [score_file]=4096 [registry_text]=4096 [saved_game]=1024 [commit_record]=2048
                   [jpeg]=32768)

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# One target's run; its log and verdict stay in the build folder.
fuzz_one() {
  local target=$1 saved=$root/tests/fuzz/$1 corpus=$build/corpus/$1 crashes=$build/crashes/$1
  rm -rf "$crashes"
  mkdir -p "$corpus" "$crashes"
  if "$build/${target}_fuzz" -max_total_time="$seconds" -max_len="${max_len[$target]}" \
       -artifact_prefix="$crashes/" -print_final_stats=1 "$corpus" "$saved" >"$build/$target.log" 2>&1; then
    echo ok >"$build/$target.verdict"
  else
    echo failed >"$build/$target.verdict"
  fi
}

# Each target is one process on one core: as many run at once as there are
# cores, which takes the pass from six turns to three on two cores.
targets=(score_text score_file registry_text saved_game commit_record jpeg)
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  fuzz_one "$target" &
done
wait

failed=()
for target in "${targets[@]}"; do
  saved=$root/tests/fuzz/$target
  echo "== $target: ${seconds}s"
  if [ "$(cat "$build/$target.verdict")" != ok ]; then
    failed+=("$target")
    tail -n 40 "$build/$target.log"
    for found in "$build/crashes/$target"/*; do
      [ -f "$found" ] || continue
      cp "$found" "$saved/$(basename "$found")"
      echo "fuzz.sh: saved $saved/$(basename "$found")"
    done
  else
    grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$build/$target.log" | tail -n 2 || true
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: failures in: ${failed[*]}" >&2
  exit 1
fi
echo "fuzz.sh: every target ran ${seconds}s without a failure"
