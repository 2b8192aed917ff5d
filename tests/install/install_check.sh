#!/usr/bin/env bash
# Installs the built game into a scratch prefix and meets it as a player would:
# every file in its usual place, a launcher that still works after the prefix
# is moved, a working folder that keeps the player's tables, and the installed
# game showing its window on a private X server.
#
# usage: install_check.sh CMAKE BUILD_DIR SOURCE_DIR BINDIR LIBEXECDIR DATADIR PYTHON MISSING
# MISSING names the display tools that are not installed (empty when all are).
set -euo pipefail

cmake=$1 build=$2 source=$3 bindir=$4 libexecdir=$5 datadir=$6 python=$7 missing=$8
app_id=io.github.tumbaro.Tumbaro
runtime_files="b1.jpg b2.jpg b3.jpg b1@2x.jpg b2@2x.jpg b3@2x.jpg CHANGE.WAV H.dat H2.dat Help/Vendrask.html"

tmp=$(mktemp -d)
cleanup() {
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# --- the install itself -----------------------------------------------------

"$cmake" --install "$build" --prefix "$tmp/staged" >"$tmp/install.log" ||
    { cat "$tmp/install.log" >&2; fail "cmake --install"; }
# Moved after installing: the launcher must not remember where it was put.
mv "$tmp/staged" "$tmp/prefix"
prefix=$tmp/prefix
launcher=$prefix/$bindir/tumbaro
data=$prefix/$datadir/tumbaro

[ -x "$launcher" ] || fail "no launcher at $bindir/tumbaro"
[ -x "$prefix/$libexecdir/tumbaro/tumbaro" ] || fail "no game program at $libexecdir/tumbaro/tumbaro"
head -n 1 "$launcher" | grep -qx '#!/bin/sh' || fail "launcher is not a sh script"
for f in $runtime_files; do
    cmp -s "$source/assets/runtime/$f" "$data/$f" || fail "$datadir/tumbaro/$f missing or not the shipped file"
done
cmp -s "$source/assets/controls/icon.png" "$prefix/$datadir/icons/hicolor/32x32/apps/tumbaro.png" ||
    fail "icon missing from the hicolor theme"
desktop=$prefix/$datadir/applications/$app_id.desktop
metainfo=$prefix/$datadir/metainfo/$app_id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$metainfo" ] || fail "no AppStream metadata"
grep -qx 'Exec=tumbaro' "$desktop" || fail "desktop entry does not start the tumbaro command"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop entry does not validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >"$tmp/appstream.log" 2>&1 ||
        { cat "$tmp/appstream.log" >&2; fail "metainfo does not validate"; }
fi

# --- the launcher's own rules, with a stand-in that records how it was run ---

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

run_stub() { # HOME XDG_DATA_HOME(or -) LAUNCHER ARGS...
    local home=$1 xdg=$2 cmd=$3
    shift 3
    rm -f "$tmp/stub.log"
    if [ "$xdg" = - ]; then
        env -u XDG_DATA_HOME HOME="$home" STUB_LOG="$tmp/stub.log" "$cmd" "$@"
    else
        env HOME="$home" XDG_DATA_HOME="$xdg" STUB_LOG="$tmp/stub.log" "$cmd" "$@"
    fi
}

# Which working folder each environment leads to; a relative or empty
# XDG_DATA_HOME must fall back to the default rather than land in the cwd.
# TMP stands for the scratch folder.
mkdir -p "$tmp/h1" "$tmp/h2" "$tmp/h3" "$tmp/h4" "$tmp/xdg"
while read -r home xdg want; do
    xdg=${xdg/#TMP/$tmp}
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
CASES
(run_stub "$tmp/h4" '' "$stub/$bindir/tumbaro") || fail "launcher failed with an empty XDG_DATA_HOME"
[ "$(head -n 1 "$tmp/stub.log")" = "$(cd "$tmp/h4/.local/share/tumbaro" && pwd -P)" ] ||
    fail "an empty XDG_DATA_HOME did not fall back to the default"

# A later start keeps the player's tables and repairs the shipped files.
work=$tmp/h1/.local/share/tumbaro
echo player-table >"$work/H.dat"
echo player-names >"$work/H2.dat"
: >"$work/b1.jpg"
rm "$work/Help/Vendrask.html"
chmod a-w "$work/CHANGE.WAV"
run_stub "$tmp/h1" - "$stub/$bindir/tumbaro" || fail "second start failed"
[ "$(cat "$work/H.dat")" = player-table ] || fail "the player's H.dat was overwritten"
[ "$(cat "$work/H2.dat")" = player-names ] || fail "the player's H2.dat was overwritten"
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

# --- the installed game on a private X server -------------------------------

if [ -n "$missing" ]; then
    echo "SKIP: not installed: $missing; the window check did not run"
    exit 77
fi

# One start with a table the player has earned already in the working folder:
# the installed program runs, shows its window, and the launcher around it
# prepares the folder without replacing that table.
player=$tmp/player
work=$player/data/tumbaro
mkdir -p "$player/home" "$work" "$player/config" "$player/runtime"
chmod 700 "$player/runtime"
{ printf 'InstallMarker\r\n'; tail -n +2 "$data/H.dat"; } >"$work/H.dat"
cp "$data/H2.dat" "$work/H2.dat"
env -u QT_QPA_PLATFORM HOME="$player/home" XDG_DATA_HOME="$player/data" XDG_CONFIG_HOME="$player/config" \
    XDG_RUNTIME_DIR="$player/runtime" \
    "$python" "$source/tests/e2e/xdisplay.py" window '^Tumbaro$' -- "$launcher" ||
    fail "the installed game did not show its window"
for f in b1.jpg b2.jpg b3.jpg CHANGE.WAV Help/Vendrask.html; do
    cmp -s "$data/$f" "$work/$f" || fail "working folder lacks $f after the start"
done
[ "$(head -n 1 "$work/H.dat")" = $'InstallMarker\r' ] || fail "the player's H.dat was replaced at the start"

echo "install check passed"
