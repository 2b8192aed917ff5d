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

from xdisplay import (HEIGHT, WIDTH, classify, find_window, game_env, load_ball, replay_boards, run,
                      screenshot, start_xvfb, window_geometry)

PINNED = "2026-03-01 12:00:00"


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
