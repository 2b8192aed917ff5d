#!/usr/bin/env python3
"""The Debian package as Debian and a player meet it: built by CPack, its
files and fields checked, judged by lintian, unpacked and played on a
private X server, and shown in German under a German desktop.

Usage: package_test.py CPACK BUILD_DIR REPLAY_BINARY SOURCE_DIR PROJECT_VERSION
"""
import glob
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from xdisplay import (APP_ID, CLOSE, Program, Screen, ball_samples, frozen, load_picture,  # noqa: E402
                      private_game, replay_moves, run, wait_for)

# Frozen, not started at: the game seeds from this very second.
FROZEN = "2026-03-01 12:00:00"
RUNTIME_FILES = ["b1.jpg", "b2.jpg", "b3.jpg", "b1@2x.jpg", "b2@2x.jpg", "b3@2x.jpg", "CHANGE.WAV", "H.dat", "H2.dat",
                 "Help/Vendrask.html", *(f"Help/Vendrask.{code}.html" for code in ("de", "es", "fr", "it", "nl", "pl",
                                                                                    "pt_BR", "ru"))]
ICON_SIZES = [16, 24, 32, 48, 64, 128, 256]
# Every file of the package and its mode; anything more or less is a fault.
PROGRAMS = ["usr/games/tumbaro", "usr/lib/games/tumbaro/tumbaro"]
EXPECTED_FILES = {path: "-rwxr-xr-x" if path in PROGRAMS else "-rw-r--r--" for path in [
    *PROGRAMS, "usr/lib/games/tumbaro/libtumbaro-sound.so", "usr/lib/games/tumbaro/libtumbaro-statistics.so", f"usr/share/applications/{APP_ID}.desktop",
    f"usr/share/metainfo/{APP_ID}.metainfo.xml", "usr/share/man/man6/tumbaro.6.gz",
    "usr/share/doc/tumbaro/copyright", "usr/share/doc/tumbaro/changelog.Debian.gz",
    "usr/share/lintian/overrides/tumbaro", *(f"usr/share/games/tumbaro/{f}" for f in RUNTIME_FILES),
    *(f"usr/share/icons/hicolor/{s}x{s}/apps/tumbaro.png" for s in ICON_SIZES)]}
# The pictures with words, by where the window shows them.
WORD_PICTURES = {(592, 8): "controls/Image10.png", (280, 448): "controls/Image14.png",
                 (488, 504): "controls/Image15.png", (152, 504): "controls/Image16.png"}
# What the shared-library scan must find, and what it cannot see: the fonts.
REQUIRED_DEPENDS = ["libqt6widgets6", "libqt6gui6", "libpulse0", "libjpeg62-turbo", "fonts-comic-neue",
                    "fonts-dejavu-core"]


def build_package(cpack, build, work):
    out = os.path.join(work, "cpack")
    result = subprocess.run([cpack, "--config", os.path.join(build, "CPackDeb.cmake"), "-B", out],
                            capture_output=True, text=True)
    assert result.returncode == 0, f"cpack failed:\n{result.stdout}\n{result.stderr}"
    debs = glob.glob(os.path.join(out, "*.deb"))
    assert len(debs) == 1, f"cpack made {debs}"
    return debs[0]


def check_deb(deb, version):
    """The package's name, version, dependencies and every file with its mode."""
    fields = dict(line.split(": ", 1) for line in run(["dpkg-deb", "-f", deb]).splitlines() if ": " in line)
    assert fields["Version"].rsplit("-", 1)[0] == version, \
        f"package version {fields['Version']}, project {version}: add an entry to packaging/changelog"
    missing = set(REQUIRED_DEPENDS) - {d.split()[0] for d in fields["Depends"].split(", ")}
    assert not missing, f"Depends lacks {missing}: {fields['Depends']}"
    # Owners and the rest are lintian's to judge.
    listed = [line.split(None, 5) for line in run(["dpkg-deb", "-c", deb]).splitlines()]
    files = {path.removeprefix("./"): mode for mode, *_, path in listed if not mode.startswith("d")}
    odd = sorted(set(files.items()) ^ set(EXPECTED_FILES.items()))
    assert not odd, f"files (path, mode) more or less than expected: {odd}"


def play(game, env, source, replay, module):
    """The first start: the deal, a move by clicks, the swap sound played by
    the package's own module, and Ctrl+Q."""
    balls = ball_samples(source)
    deal, [(move, settled)], _ = replay_moves(replay, FROZEN)
    screen = Screen(game)
    screen.wait_board(balls, deal, "the deal of the frozen second")
    screen.play(move, balls)
    screen.wait_board(balls, settled, f"{move} played by clicks, as the replay tool plays it")
    with open(f"/proc/{game.proc.pid}/maps") as maps:  # the launcher execs the game
        assert module in maps.read(), "the swap sound did not load the package's own sound module"

    game.keyboard_window("^Tumbaro$")
    run(["xdotool", "key", "ctrl+q"], env=env)
    assert game.ended() == 0, game.failure("Ctrl+Q did not end the game cleanly")


def own_pixels(path, other):
    """A picture's pixels, (x, y, r, g, b), where it differs from `other` (a
    picture of the same size) and is not white, the colour left out."""
    (width, height, rgba), others = load_picture(path), load_picture(other)[2]
    return [(x, y, *rgba[k:k + 3]) for y in range(height) for x in range(width) for k in [(y * width + x) * 4]
            if rgba[k + 3] == 255 and rgba[k:k + 3] != b"\xff\xff\xff" and rgba[k:k + 4] != others[k:k + 4]]


def wait_german(game, source):
    """Waits for the window to show the German pictures with words where the
    English ones would be: where the two differ, it shows the German."""
    pictures = []
    for place, name in WORD_PICTURES.items():
        german, english = (os.path.join(source, "assets", *folder, name) for folder in (["languages", "de"], []))
        pictures.append((place, own_pixels(german, english), own_pixels(english, german)))
    screen = Screen(game)

    def german():
        shot = screen.shot()
        return all(screen.distance(shot, *place, de) < CLOSE <= screen.distance(shot, *place, en)
                   for place, de, en in pictures)
    assert wait_for(german), game.failure("under de_DE the window does not show the German pictures")


def main():
    cpack, build, replay, source, version = sys.argv[1:6]
    with tempfile.TemporaryDirectory(prefix="tumbaro-deb-") as work:
        deb = build_package(cpack, build, work)
        check_deb(deb, version)
        # Lintian takes seconds; it judges while the game is played. Leaving the block waits for it.
        with subprocess.Popen(["lintian", "--fail-on", "error,warning", deb], stdout=subprocess.PIPE,
                              stderr=subprocess.STDOUT, text=True) as lint:
            unpack_and_play(deb, work, source, replay)
            output = lint.communicate(timeout=120)[0]
        assert lint.returncode == 0, f"lintian finds errors or warnings:\n{output}"
        return 0


def unpack_and_play(deb, work, source, replay):
    """Two starts of the unpacked package's own command."""
    root = os.path.join(work, "root")
    run(["dpkg", "-x", deb, root])

    home = os.path.join(work, "home")
    os.makedirs(home)
    launcher = frozen(FROZEN, [os.path.join(root, "usr/games/tumbaro")])
    with private_game(source) as (_, env):
        # A sound server named, as on a desktop, for the module to be loaded
        # for; none answers there.
        env = dict(env, HOME=home, PULSE_SERVER="unix:" + os.path.join(work, "no-server"))
        env.pop("XDG_DATA_HOME", None)
        if "ASAN_OPTIONS" in env:
            # Under the sanitizers the installed game's allocations keep whole
            # stacks, through Qt's frames too, so the suppression of what Qt's
            # painting pool leaves at exit (fuzz/lsan.supp) can recognise it.
            env["ASAN_OPTIONS"] += ":fast_unwind_on_malloc=0"
        with Program(launcher, None, env) as game:
            play(game, env, source, replay, os.path.join(root, "usr/lib/games/tumbaro/libtumbaro-sound.so"))

        german = dict(env, LANG="de_DE.UTF-8")
        for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            german.pop(name, None)
        with Program(launcher, None, german) as game:
            wait_german(game, source)

if __name__ == "__main__":
    sys.exit(main())
