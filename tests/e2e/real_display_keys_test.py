#!/usr/bin/env python3
"""The real game on a real X server played from the keyboard alone: with the
clock frozen so the seed is known, the first arrow key shows the cursor on the
top-left cell, arrow keys and Space play the replay tool's first move, and the
settled board is the one the replay tool prints. Then U takes it back, 1 to 3
switch the scheme, N deals afresh, M is remembered in the settings store, and
Ctrl+Q ends the program.

Usage: real_display_keys_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import calendar
import os
import shutil
import subprocess
import sys
import tempfile
import time

from xdisplay import classify, find_window, game_env, load_ball, replay_boards, run, screenshot, start_xvfb

FROZEN = "2026-03-01 12:00:00"
SEED = calendar.timegm(time.strptime(FROZEN, "%Y-%m-%d %H:%M:%S"))
SCREEN_WIDTH = 1024


def pixel(shot, x, y):
    p = (y * SCREEN_WIDTH + x) * 3
    return shot[p], shot[p + 1], shot[p + 2]


def wait_for(what, check, seconds=10):
    """Polls `check` until it returns something true; fails with `what`."""
    deadline = time.monotonic() + seconds
    while True:
        result = check()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(what)
        time.sleep(0.05)


def main():
    game, replay, source = sys.argv[1:4]
    work = tempfile.mkdtemp(prefix="tumbaro-e2e-keys-")
    xvfb = game_proc = None
    try:
        runtime = os.path.join(source, "assets", "runtime")
        for name in ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV", "H.dat", "H2.dat"]:
            shutil.copy(os.path.join(runtime, name), work)
        balls = {s: [load_ball(os.path.join(source, "assets", f"Sxema{s}Big", f"{k}.png")) for k in range(8)]
                 for s in (1, 2, 3)}
        deal = [[int(ch) for ch in line] for line in replay_boards(replay, SEED, [])[1:9]]
        played = replay_boards(replay, SEED, ["--auto", "1"])
        move = played[9].split()[1]
        expected = [[int(ch) for ch in line] for line in played[10:18]]
        (r1, c1), (r2, c2) = [(int(cell[0]), int(cell[1])) for cell in move.split("-")]

        xvfb, display = start_xvfb()
        env = game_env(display, work)
        stderr = open(os.path.join(work, "stderr.txt"), "w")
        # Without "@" the clock stands still, so the seed is the frozen second.
        game_proc = subprocess.Popen(["faketime", "-m", "--exclude-monotonic", "-f", FROZEN, game], cwd=work,
                                     env=env, stdout=subprocess.DEVNULL, stderr=stderr)
        window = find_window(env, "^Tumbaro$")
        if not window:
            stderr.close()
            with open(os.path.join(work, "stderr.txt")) as f:
                tail = f.read().splitlines()[-10:]
            raise AssertionError(f"no window; game exit status {game_proc.poll()}, stderr: {tail}")
        geometry = dict(line.split("=") for line in run(["xdotool", "getwindowgeometry", "--shell", window],
                                                         env=env).split())
        ox, oy = int(geometry["X"]), int(geometry["Y"])
        board_of = lambda scheme: classify(screenshot(env), (ox, oy), balls[scheme])
        wait_for(f"the board on screen is not the deal of {SEED}", lambda: board_of(1) == deal)
        run(["xdotool", "windowfocus", window], env=env)

        def key(*names):
            run(["xdotool", "key", "--delay", "80"] + list(names), env=env)

        def frame_at(r, c):
            # The cursor's dark line lies in the gap left of the cell, its
            # bright line on the cell's first column.
            x, y = ox + 112 + 52 * (c - 1), oy + 32 + 52 * (r - 1) + 25
            shot = screenshot(env)
            return pixel(shot, x - 1, y) == (0x10, 0x10, 0x10) and pixel(shot, x, y) == (0xFF, 0xE0, 0x30)

        key("Right")
        wait_for("the first arrow key did not show the cursor on row 1, column 1", lambda: frame_at(1, 1))
        key(*(["Down"] * (r1 - 1) + ["Right"] * (c1 - 1)))
        wait_for(f"the cursor did not reach {r1}{c1}", lambda: frame_at(r1, c1))
        step = {(1, 0): "Down", (-1, 0): "Up", (0, 1): "Right", (0, -1): "Left"}[(r2 - r1, c2 - c1)]
        key("space", step, "space")
        wait_for(f"after {move} by keys the board is not the replay tool's {expected}",
                 lambda: board_of(1) == expected)
        print(f"move {move} played with arrow keys and Space settled as the replay tool plays it")

        key("u")
        wait_for("U did not take the move back", lambda: board_of(1) == deal)
        for scheme in (2, 3, 1):
            key(str(scheme))
            wait_for(f"key {scheme} did not draw scheme {scheme}", lambda: board_of(scheme) == deal)
        key("n")
        wait_for("N did not deal a new game", lambda: (lambda b: b != deal and None not in sum(b, []))(board_of(1)))
        print("U undid the move, 1 to 3 switched the scheme, N dealt a new game")

        store = os.path.join(work, "config", "tumbaro", "registry")
        key("m")
        wait_for("M was not remembered in the settings store",
                 lambda: os.path.exists(store) and 'Sound=REG_SZ:0' in open(store).read())
        key("ctrl+q")
        assert game_proc.wait(timeout=10) == 0, "Ctrl+Q did not end the program cleanly"
        print("M stored the sound off; Ctrl+Q ended the program")
        return 0
    finally:
        if game_proc and game_proc.poll() is None:
            game_proc.kill()
            game_proc.wait()
        if xvfb:
            xvfb.terminate()
            xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
