#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: a short
# fuzzing pass, the suite under the sanitizers, and the suite.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh" test
# Tests on, even where the play command built this folder without them.
bash "$root/scripts/build.sh" "$root/build" -DBUILD_TESTING=ON
# A short pass of every fuzz target, the suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and last the suite itself, whose summary closes
# the output.
bash "$root/scripts/fuzz.sh" 15
bash "$root/scripts/sanitize.sh"
cd "$root/build"
ctest --output-on-failure -j"$(nproc)"
