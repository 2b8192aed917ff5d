#!/usr/bin/env bash
# Configures and builds the project with the default preset into build/ (or
# the folder given); further arguments go to the configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true
cd "$root"
cmake --preset default -B "$build" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
