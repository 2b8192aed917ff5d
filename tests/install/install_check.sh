#!/usr/bin/env bash
# Installs the built game into a scratch prefix and checks the launcher's own
# rules there: it works from another prefix and through a link,
# picks the working folder from HOME and XDG_DATA_HOME, prepares it without
# replacing the player's tables, and refuses to start without its files. (The
# package test starts the same launcher on a private X server.)
#
# usage: install_check.sh CMAKE BUILD_DIR BINDIR LIBEXECDIR DATADIR
set -euo pipefail

cmake=$1 build=$2 bindir=$3 libexecdir=$4 datadir=$5
runtime_files="b1.jpg b2.jpg b3.jpg b1@2x.jpg b2@2x.jpg b3@2x.jpg CHANGE.WAV H.dat H2.dat Help/Vendrask.html"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# --- the install itself -----------------------------------------------------

prefix=$tmp/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" ||
    { cat "$tmp/install.log" >&2; fail "cmake --install"; }
launcher=$prefix/$bindir/tumbaro
data=$prefix/$datadir/tumbaro
# (The package test checks every installed file and its mode.)
# The desktop's own judges of the entry, its actions included, and of the
# software centre's listing.
desktop-file-validate "$prefix/$datadir/applications/io.github.tumbaro.Tumbaro.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/$datadir/metainfo/io.github.tumbaro.Tumbaro.metainfo.xml" >"$tmp/appstream.log" 2>&1 ||
    { cat "$tmp/appstream.log" >&2; fail "AppStream listing"; }

# --- the launcher's own rules, with a stand-in that records how it was run ---
# It sits in another prefix: the launcher must not remember where it was put.

stub=$tmp/stub
mkdir -p "$stub/$bindir" "$stub/$libexecdir/tumbaro" "$stub/$datadir"
cp "$launcher" "$stub/$bindir/tumbaro"
cp -R "$data" "$stub/$datadir/tumbaro"
cat >"$stub/$libexecdir/tumbaro/tumbaro" <<'STUB'
#!/bin/sh
pwd -P >"$STUB_LOG"
for a in "$@"; do printf '[%s]' "$a" >>"$STUB_LOG"; done
STUB
chmod +x "$stub/$libexecdir/tumbaro/tumbaro"

run_stub() { # HOME XDG_DATA_HOME(or - for unset) LAUNCHER ARGS...
    local xdg=(XDG_DATA_HOME="$2")
    [ "$2" != - ] || xdg=(-u XDG_DATA_HOME)
    rm -f "$tmp/stub.log"
    env "${xdg[@]}" HOME="$1" STUB_LOG="$tmp/stub.log" "${@:3}"
}

# Which working folder each environment leads to; a relative or empty
# XDG_DATA_HOME must fall back to the default rather than land in the cwd.
# TMP stands for the scratch folder, EMPTY for an empty value.
mkdir -p "$tmp/h1" "$tmp/h2" "$tmp/h3" "$tmp/h4" "$tmp/xdg"
while read -r home xdg want; do
    xdg=${xdg/#TMP/$tmp} xdg=${xdg/#EMPTY/}
    (cd "$tmp" && run_stub "$tmp/$home" "$xdg" "$stub/$bindir/tumbaro" 'two words' '' </dev/null) ||
        fail "launcher failed with HOME=$home XDG_DATA_HOME=$xdg"
    [ "$(head -n 1 "$tmp/stub.log")" = "$(cd "$tmp/$want" && pwd -P)" ] ||
        fail "HOME=$home XDG_DATA_HOME=$xdg: game started in $(head -n 1 "$tmp/stub.log"), wanted $want"
    [ "$(sed -n 2p "$tmp/stub.log")" = '[two words][]' ] || fail "arguments not passed through unchanged"
    for f in $runtime_files; do
        cmp -s "$data/$f" "$tmp/$want/$f" || fail "$want/$f not prepared"
    done
done <<'CASES'
h1 - h1/.local/share/tumbaro
h2 TMP/xdg xdg/tumbaro
h3 relative h3/.local/share/tumbaro
h4 EMPTY h4/.local/share/tumbaro
CASES

# A later start keeps the player's tables and repairs the shipped files.
work=$tmp/h1/.local/share/tumbaro
echo player-table >"$work/H.dat"
echo player-names >"$work/H2.dat"
: >"$work/b1.jpg"
rm "$work/Help/Vendrask.html"
chmod a-w "$work/CHANGE.WAV"
run_stub "$tmp/h1" - "$stub/$bindir/tumbaro" || fail "second start failed"
[ "$(cat "$work/H.dat" "$work/H2.dat")" = $'player-table\nplayer-names' ] || fail "the player's tables were overwritten"
for f in b1.jpg CHANGE.WAV Help/Vendrask.html; do
    cmp -s "$data/$f" "$work/$f" || fail "$f not refreshed from the install"
done
[ -z "$(find "$work" -name '*.new.*')" ] || fail "copies left half-placed in the working folder"

# Started through a link on the path, it still finds its files.
ln -s "$stub/$bindir/tumbaro" "$tmp/linked-tumbaro"
run_stub "$tmp/h1" - "$tmp/linked-tumbaro" || fail "launcher started through a symbolic link failed"

# Without its files it says so and does not start the game.
rm -rf "${stub:?}/$datadir/tumbaro"
if run_stub "$tmp/h1" - "$stub/$bindir/tumbaro" 2>"$tmp/err"; then
    fail "launcher succeeded without its data folder"
fi
grep -q 'missing' "$tmp/err" || fail "no clear message for a missing data folder: $(cat "$tmp/err")"
[ ! -e "$tmp/stub.log" ] || fail "the game was started without its files"

echo "install check passed"
