#!/usr/bin/env bash
# Runs the whole test suite N times in a row while every core is kept busy by
# a background load, to bring out tests that depend on timing. Prints how many
# runs failed and which tests failed how often; the logs of failed runs are
# kept and named at the end.
#
# usage: stress-suite.sh N [BUILD_DIR]   (BUILD_DIR defaults to build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:?usage: stress-suite.sh N [BUILD_DIR]}
build=$(realpath -m -- "${2:-$root/build}")
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "N must be a positive whole number, not '$runs'" >&2; exit 2; }
[ -f "$build/CTestTestfile.cmake" ] || { echo "no test suite in $build: build it first" >&2; exit 2; }
cores=$(nproc)

logs=$(mktemp -d "${TMPDIR:-/tmp}/stress-suite.XXXXXX")
load=()
stop_load() {
    if [ ${#load[@]} -gt 0 ]; then
        kill "${load[@]}" 2>/dev/null || true
        wait "${load[@]}" 2>/dev/null || true
    fi
    load=()
}
trap stop_load EXIT
trap 'exit 130' INT TERM

# One endless busy process per core, at the suite's own priority.
for _ in $(seq "$cores"); do
    sh -c 'while :; do :; done' &
    load+=($!)
done

failed_runs=0
declare -A failures=()
for run in $(seq "$runs"); do
    log=$logs/run-$run.log
    started=$SECONDS
    if ctest --test-dir "$build" -j"$cores" --output-on-failure >"$log" 2>&1; then
        echo "run $run/$runs: green ($((SECONDS - started)) s)"
        rm "$log"
    else
        failed_runs=$((failed_runs + 1))
        # ctest lists them as "  12 - name (Failed)" under "The following tests FAILED:".
        names=$(sed -n '/The following tests FAILED:/,$ s/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' "$log")
        for name in $names; do
            failures[$name]=$((${failures[$name]:-0} + 1))
        done
        echo "run $run/$runs: FAILED: ${names//$'\n'/ } (log: $log)"
    fi
done
stop_load

echo
echo "$((runs - failed_runs)) of $runs runs green, $failed_runs failed (under a load of $cores busy processes)"
for name in "${!failures[@]}"; do
    echo "  $name failed in ${failures[$name]} of $runs runs"
done
if [ "$failed_runs" -eq 0 ]; then
    rmdir "$logs"
    exit 0
fi
echo "logs of the failed runs: $logs"
exit 1
