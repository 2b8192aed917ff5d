#!/usr/bin/env python3
"""The real game on a real X server: start it under Xvfb with its calendar time
pinned, read the board off a screenshot, play the first move with real mouse
clicks and check the settled board against the replay tool.

Usage: real_display_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import calendar
import os
import shutil
import subprocess
import sys
import tempfile
import time

PINNED = "2026-03-01 12:00:00"
WIDTH, HEIGHT = 792, 572


def run(cmd, **kw):
    return subprocess.run(cmd, check=True, capture_output=True, text=True, **kw).stdout


def start_xvfb(log=subprocess.DEVNULL):
    """A private X server on the first free display, answering requests."""
    for _ in range(3):
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24",
                                 "-nolisten", "tcp"], pass_fds=[write_fd], stderr=log)
        os.close(write_fd)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_fd, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_fd)
        display = ":" + number.decode().strip()
        for _ in range(100):
            if number and subprocess.run(["xdpyinfo", "-display", display], capture_output=True).returncode == 0:
                return xvfb, display
            time.sleep(0.05)
        xvfb.terminate()  # never answered: try again on a fresh server
        xvfb.wait()
    raise RuntimeError("Xvfb did not start")


def game_env(display, work):
    """The environment of a game under test: the private display, UTC, and
    its settings kept in `work`."""
    env = dict(os.environ, DISPLAY=display, TZ="UTC", XDG_CONFIG_HOME=os.path.join(work, "config"),
               XDG_RUNTIME_DIR=work)
    env.pop("QT_QPA_PLATFORM", None)
    return env


def find_window(env, title, seconds=10):
    """The id of the first window whose name matches `title`, or None."""
    for _ in range(int(seconds * 10)):
        found = subprocess.run(["xdotool", "search", "--name", title], env=env, capture_output=True,
                               text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.1)
    return None


def window_geometry(env, window):
    """X, Y, WIDTH and HEIGHT of a window, as whole numbers."""
    fields = dict(line.split("=") for line in run(["xdotool", "getwindowgeometry", "--shell", window],
                                                   env=env).split())
    return {key: int(fields[key]) for key in ("X", "Y", "WIDTH", "HEIGHT")}


def screenshot(env):
    raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=env, check=True,
                         capture_output=True).stdout
    return raw  # 1024 x 768 x 3


def load_ball(path):
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    size = run(["identify", "-format", "%w %h", path]).split()
    return int(size[0]), int(size[1]), raw


def classify(shot, origin, balls):
    """The colour each cell shows: the ball picture closest to the cell's pixels
    where the picture is not its white surround; None where nothing fits."""
    ox, oy = origin
    board = []
    for r in range(8):
        row = []
        for c in range(8):
            cx, cy = ox + 112 + 52 * c, oy + 32 + 52 * r
            best, best_diff = None, 1e9
            for k, (w, h, pic) in enumerate(balls):
                diff = n = 0
                for y in range(0, min(h, 50), 2):
                    for x in range(0, min(w, 50), 2):
                        p = (y * w + x) * 3
                        if pic[p] == 255 and pic[p + 1] == 255 and pic[p + 2] == 255:
                            continue
                        s = ((cy + y) * 1024 + cx + x) * 3
                        diff += abs(shot[s] - pic[p]) + abs(shot[s + 1] - pic[p + 1]) + abs(shot[s + 2] - pic[p + 2])
                        n += 3
                if n and diff / n < best_diff:
                    best, best_diff = k, diff / n
            row.append(best if best_diff < 12 else None)
        board.append(row)
    return board


def replay_boards(replay, seed, args):
    return run([replay, str(seed)] + args).splitlines()


def main():
    game, replay, source = sys.argv[1:4]
    work = tempfile.mkdtemp(prefix="tumbaro-e2e-")
    xvfb = game_proc = None
    try:
        runtime = os.path.join(source, "assets", "runtime")
        for name in ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV", "H.dat", "H2.dat"]:
            shutil.copy(os.path.join(runtime, name), work)
        shutil.copytree(os.path.join(runtime, "Help"), os.path.join(work, "Help"))
        balls = [load_ball(os.path.join(source, "assets", "Sxema1Big", f"{k}.png")) for k in range(8)]

        xvfb, display = start_xvfb()
        env = game_env(display, work)
        game_proc = subprocess.Popen(["faketime", "-m", "--exclude-monotonic", "-f", "@" + PINNED, game],
                                     cwd=work, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = find_window(env, "^Tumbaro$")
        assert window, "the game's window never appeared"
        geometry = window_geometry(env, window)
        assert (geometry["WIDTH"], geometry["HEIGHT"]) == (WIDTH, HEIGHT), geometry
        origin = (geometry["X"], geometry["Y"])

        # The calendar time the game read is the pinned one, or a second later
        # if the start crossed a second.
        base = calendar.timegm(time.strptime(PINNED, "%Y-%m-%d %H:%M:%S"))
        deals = {}
        for seed in (base, base + 1, base + 2):
            lines = replay_boards(replay, seed, [])
            deals[seed] = [[int(ch) for ch in line] for line in lines[1:9]]
        seed = board = None
        for _ in range(50):
            board = classify(screenshot(env), origin, balls)
            matches = [s for s, deal in deals.items() if deal == board]
            if matches:
                seed = matches[0]
                break
            time.sleep(0.1)
        assert seed is not None, f"the board on screen is no deal of the pinned time: {board}"
        print(f"board on screen is the deal of T = {seed}")

        # Score box: dark text on the light box before any move.
        shot = screenshot(env)
        box = [shot[((origin[1] + 64 + y) * 1024 + origin[0] + 592 + x) * 3] for y in range(8, 26) for x in range(60, 100)]
        assert min(box) < 100, "the score box shows no text"

        played = replay_boards(replay, seed, ["--auto", "1"])
        move = played[9].split()[1]
        expected = [[int(ch) for ch in line] for line in played[10:18]]
        for cell in move.split("-"):
            r, c = int(cell[0]), int(cell[1])
            x, y = origin[0] + 112 + 52 * (c - 1) + 25, origin[1] + 32 + 52 * (r - 1) + 25
            run(["xdotool", "mousemove", str(x), str(y), "click", "1"], env=env)
            time.sleep(0.15)
        for _ in range(60):
            board = classify(screenshot(env), origin, balls)
            if board == expected:
                break
            time.sleep(0.1)
        assert board == expected, f"after {move} the screen shows {board}, expected {expected}"
        print(f"move {move} settled as the replay tool plays it")
        return 0
    finally:
        if game_proc:
            game_proc.kill()
            game_proc.wait()
        if xvfb:
            xvfb.terminate()  # lets it remove its lock and socket
            xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
