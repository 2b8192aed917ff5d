#!/usr/bin/env python3
"""The Debian package as Debian and a player meet it: CPack builds it from this
build, its file list and fields are checked, lintian judges it, and then it is
unpacked with dpkg -x into a scratch folder, its manual page is rendered and
its `tumbaro` command is started twice on a private X server with a scratch
home: the board of the frozen clock's deal, one move played with real clicks
and settled as the replay tool plays it, the swap sound's module loaded from
the package, and the player's table kept by the second start.

Usage: package_test.py CPACK BUILD_DIR REPLAY_BINARY SOURCE_DIR PROJECT_VERSION
Exits 77 (skipped) where dpkg-deb is not installed.
"""
import calendar
import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from xdisplay import (HEIGHT, WIDTH, classify, find_window, game_env, load_ball, replay_boards, run,  # noqa: E402
                      screenshot, start_xvfb, window_geometry)

SKIP = 77
# Frozen, not started at: the game seeds from this very second.
PINNED = "2026-03-01 12:00:00"
APP_ID = "io.github.tumbaro.Tumbaro"
RUNTIME_FILES = ["b1.jpg", "b2.jpg", "b3.jpg", "b1@2x.jpg", "b2@2x.jpg", "b3@2x.jpg", "CHANGE.WAV", "H.dat", "H2.dat", "Help/Vendrask.html"]
ICON_SIZES = [16, 24, 32, 48, 64, 128, 256]
# Every file of the package and its mode; anything more or less is a fault.
EXPECTED_FILES = {
    "usr/games/tumbaro": "-rwxr-xr-x",
    "usr/lib/games/tumbaro/tumbaro": "-rwxr-xr-x",
    "usr/lib/games/tumbaro/libtumbaro-sound.so": "-rw-r--r--",
    f"usr/share/applications/{APP_ID}.desktop": "-rw-r--r--",
    f"usr/share/metainfo/{APP_ID}.metainfo.xml": "-rw-r--r--",
    "usr/share/man/man6/tumbaro.6.gz": "-rw-r--r--",
    "usr/share/doc/tumbaro/copyright": "-rw-r--r--",
    "usr/share/doc/tumbaro/changelog.Debian.gz": "-rw-r--r--",
    "usr/share/lintian/overrides/tumbaro": "-rw-r--r--",
    **{f"usr/share/games/tumbaro/{f}": "-rw-r--r--" for f in RUNTIME_FILES},
    **{f"usr/share/icons/hicolor/{s}x{s}/apps/tumbaro.png": "-rw-r--r--" for s in ICON_SIZES},
}
# What the shared-library scan must find, and what it cannot see: the fonts.
REQUIRED_DEPENDS = ["libqt6widgets6", "libqt6gui6", "libqt6multimedia6", "libjpeg62-turbo", "fonts-comic-neue",
                    "fonts-dejavu-core"]


class Game:
    """One run of the unpacked package's command, with its stderr kept."""

    def __init__(self, launcher, env, work):
        self.log_path = os.path.join(work, "game.log")
        with open(self.log_path, "ab") as log:
            # A session of its own: faketime, the launcher and the game end together.
            self.proc = subprocess.Popen(["faketime", "-m", "--exclude-monotonic", "-f", PINNED, launcher],
                                         env=env, stdout=subprocess.DEVNULL, stderr=log, start_new_session=True)

    def window(self, env):
        deadline = time.monotonic() + 20
        window = None
        while not window and self.proc.poll() is None and time.monotonic() < deadline:
            window = find_window(env, "^Tumbaro$", seconds=0.1)
        if not window:
            with open(self.log_path, errors="replace") as log:
                tail = "".join(log.readlines()[-15:])
            raise AssertionError(f"no Tumbaro window; the command's exit status: {self.proc.returncode}\n{tail}")
        return window

    def stop(self):
        try:
            os.killpg(self.proc.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        self.proc.wait()


def wait_for(condition, seconds, what):
    deadline = time.monotonic() + seconds
    while not condition():
        assert time.monotonic() < deadline, what()
        time.sleep(0.05)


def build_package(cpack, build, work):
    out = os.path.join(work, "cpack")
    result = subprocess.run([cpack, "--config", os.path.join(build, "CPackDeb.cmake"), "-B", out],
                            capture_output=True, text=True)
    assert result.returncode == 0, f"cpack failed:\n{result.stdout}\n{result.stderr}"
    debs = glob.glob(os.path.join(out, "*.deb"))
    assert len(debs) == 1, f"cpack made {debs}"
    return debs[0]


def check_name_and_fields(deb, version):
    arch = run(["dpkg", "--print-architecture"]).strip()
    fields = dict(line.split(": ", 1) for line in run(["dpkg-deb", "-f", deb]).splitlines() if ": " in line)
    assert fields["Version"].rsplit("-", 1)[0] == version, \
        f"package version {fields['Version']}, project {version}: add an entry to packaging/changelog"
    assert os.path.basename(deb) == f"tumbaro_{fields['Version']}_{arch}.deb", deb
    depends = [d.split()[0] for d in fields["Depends"].split(", ")]
    missing = [p for p in REQUIRED_DEPENDS if p not in depends]
    assert not missing, f"Depends lacks {missing}: {fields['Depends']}"
    print("fields:", {k: fields[k] for k in ("Package", "Version", "Architecture", "Depends")})


def check_file_list(deb):
    files = {}
    for line in run(["dpkg-deb", "-c", deb]).splitlines():
        mode, owner, _size, _date, _time, path = line.split(None, 5)
        assert owner == "root/root", line
        if not mode.startswith("d"):
            files[path.removeprefix("./")] = mode
    assert files == EXPECTED_FILES, (
        f"more: {sorted(set(files) - set(EXPECTED_FILES))}, less: {sorted(set(EXPECTED_FILES) - set(files))}, "
        f"modes: {sorted((p, m) for p, m in files.items() if EXPECTED_FILES.get(p, m) != m)}")


def start_lintian(deb):
    """Lintian takes seconds; it judges while the game is played."""
    if not shutil.which("lintian"):
        raise AssertionError("lintian is not installed: run bash scripts/setup.sh")
    # This build lacks Debian's hardening flags, so its sound module calls no
    # C library function (no stack protector) and is rightly not linked to
    # libc. The package of scripts/package.sh has them, and its lintian run
    # checks this too.
    return subprocess.Popen(["lintian", "--fail-on", "error,warning", "--suppress-tags",
                             "library-not-linked-against-libc", deb],
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def check_lintian(lint):
    output = lint.communicate(timeout=120)[0]
    assert lint.returncode == 0, f"lintian finds errors or warnings:\n{output}"


def check_manual(root):
    page = os.path.join(root, "usr/share/man/man6/tumbaro.6.gz")
    result = subprocess.run(["man", "--warnings", "-l", page], env=dict(os.environ, MANWIDTH="80"),
                            capture_output=True, text=True)
    assert result.returncode == 0 and not result.stderr, f"man: {result.returncode} {result.stderr}"
    for heading in ["NAME", "HOW TO PLAY", "KEYS", "FILES", "$XDG_DATA_HOME/tumbaro"]:
        assert heading in result.stdout, f"the manual page has no {heading!r}"


def play_first_move(env, window, replay, balls):
    geometry = window_geometry(env, window)
    assert (geometry["WIDTH"], geometry["HEIGHT"]) == (WIDTH, HEIGHT), geometry
    origin = (geometry["X"], geometry["Y"])
    seed = calendar.timegm(time.strptime(PINNED, "%Y-%m-%d %H:%M:%S"))
    deal = [[int(ch) for ch in line] for line in replay_boards(replay, seed, [])[1:9]]
    wait_for(lambda: classify(screenshot(env), origin, balls) == deal, 10, lambda: "the board on screen is not the deal")

    played = replay_boards(replay, seed, ["--auto", "1"])
    move = played[9].split()[1]
    expected = [[int(ch) for ch in line] for line in played[10:18]]
    # One X request stream: the game takes the two clicks in order, as a
    # pick and its partner, however fast they come.
    clicks = []
    for cell in move.split("-"):
        r, c = int(cell[0]), int(cell[1])
        clicks += ["mousemove", str(origin[0] + 137 + 52 * (c - 1)), str(origin[1] + 57 + 52 * (r - 1)), "click", "1"]
    run(["xdotool"] + clicks, env=env)
    shown = []
    wait_for(lambda: shown.append(classify(screenshot(env), origin, balls)) or shown[-1] == expected, 10,
             lambda: f"after {move} the screen shows {shown[-1]}, the replay tool {expected}")
    print(f"move {move} settled as the replay tool plays it")


def main():
    cpack, build, replay, source, version = sys.argv[1:6]
    if not shutil.which("dpkg-deb"):
        print("SKIP: dpkg-deb is not installed; the Debian package is not built or checked")
        return SKIP
    work = tempfile.mkdtemp(prefix="tumbaro-deb-")
    xvfb = game = lint = None
    try:
        deb = build_package(cpack, build, work)
        check_name_and_fields(deb, version)
        check_file_list(deb)
        lint = start_lintian(deb)
        root = os.path.join(work, "root")
        run(["dpkg", "-x", deb, root])
        check_manual(root)

        home = os.path.join(work, "home")
        os.makedirs(home)
        xvfb, display = start_xvfb()
        env = game_env(display, work)
        env["HOME"] = home
        env.pop("XDG_DATA_HOME", None)
        launcher = os.path.join(root, "usr/games/tumbaro")
        balls = [load_ball(os.path.join(source, "assets", "Sxema1Big", f"{k}.png")) for k in range(8)]

        game = Game(launcher, env, work)
        window = game.window(env)
        play_first_move(env, window, replay, balls)
        pid = run(["xdotool", "getwindowpid", window], env=env).strip()
        module = os.path.join(root, "usr/lib/games/tumbaro/libtumbaro-sound.so")
        with open(f"/proc/{pid}/maps") as maps:
            assert module in maps.read(), "the swap sound did not load the package's own sound module"
        game.stop()

        # The player's table, as a finished game leaves it, must outlive a start.
        folder = os.path.join(home, ".local/share/tumbaro")
        for name in RUNTIME_FILES:
            assert os.path.isfile(os.path.join(folder, name)), f"the working folder lacks {name}"
        table = os.path.join(folder, "H.dat")
        with open(table, "rb") as f:
            shipped = f.read()
        mine = b"PackMarker\r\n" + shipped.split(b"\r\n", 1)[1]
        with open(table, "wb") as f:
            f.write(mine)
        game = Game(launcher, env, work)
        game.window(env)
        game.stop()
        game = None
        with open(table, "rb") as f:
            assert f.read() == mine, "the second start replaced the player's H.dat"
        check_lintian(lint)
        print("package built, lint-free, unpacked, played and started again")
        return 0
    finally:
        if lint and lint.poll() is None:
            lint.kill()
            lint.wait()
        if game:
            game.stop()
        if xvfb:
            xvfb.terminate()
            xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
