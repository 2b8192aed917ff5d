#!/usr/bin/env bash
# Prints how many lines of code the product and its tests hold, and the tests'
# share of the product, counted the same way every time:
#  - files: every tracked C++ (.cpp .h), Python (.py), shell (.sh, .sh.in) and
#    CMake (CMakeLists.txt, .cmake) file; pictures, sounds, fuzz inputs, JSON,
#    XML and Markdown are not code and are not counted;
#  - lines: neither blank nor comment-only (C++ // lines and /* */ blocks,
#    Python, shell and CMake # lines, a shebang included); a line with code and
#    a comment counts;
#  - tests: everything under tests/ and the fuzz harnesses under fuzz/;
#    product: everything else (the game, its tools, scripts, packaging, bench).
# Usage: scripts/line-count.sh [-v]   (-v also lists every file's count)
set -euo pipefail
cd "$(dirname "$0")/.."

files() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files
    else
        find . -type f ! -path './build*' ! -path './.git/*' | sed 's|^\./||'
    fi | grep -E '(\.(cpp|h|py|sh|sh\.in|cmake)|(^|/)CMakeLists\.txt)$' | sort
}

count() { # prints the counted lines of one file
    case "$1" in
    *.cpp | *.h)
        awk '{
            line = $0
            if (block) { if (line !~ /\*\//) next; block = 0; sub(/.*\*\//, "", line) }
            gsub(/^[ \t]+|[ \t]+$/, "", line)
            if (line == "" || line ~ /^\/\//) next
            if (line ~ /^\/\*/) { if (line !~ /\*\//) block = 1; next }
            n++
        } END { print n + 0 }' "$1" ;;
    *)
        awk '{ line = $0; gsub(/^[ \t]+|[ \t]+$/, "", line); if (line != "" && line !~ /^#/) n++ } END { print n + 0 }' "$1" ;;
    esac
}

verbose=${1:-}
product=0
tests=0
while read -r file; do
    [ -f "$file" ] || continue
    n=$(count "$file")
    case "$file" in
    tests/* | fuzz/*) tests=$((tests + n)); kind=test ;;
    *) product=$((product + n)); kind=product ;;
    esac
    [ "$verbose" = -v ] && printf '%6d %-7s %s\n' "$n" "$kind" "$file"
done < <(files)
printf 'product %d lines, tests %d lines: tests are %d%% of the product\n' \
    "$product" "$tests" $(((tests * 100 + product / 2) / product))
