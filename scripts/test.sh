#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the suite,
# the suite under the sanitizers, and a short fuzzing pass.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure -j"$(nproc)")
# The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then a short pass of every fuzz target.
bash "$root/scripts/sanitize.sh"
bash "$root/scripts/fuzz.sh" 15
