#!/usr/bin/env python3
"""The end of a game on a real X server: with the clock frozen at a time whose
first game ends after one move, play that move with real clicks, type a name
into the dialog, and check both table files on disk; then Escape in the
question ends the program.

Usage: real_display_high_score_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from xdisplay import find_window, game_env, run, start_xvfb, window_geometry

# 2026-03-01 12:09:26 UTC: the first deal ends its game after one move, for 30 points.
FROZEN = "2026-03-01 12:09:26"
SEED = 1772366966
NAMES = b"".join(b"Name%d\r\n" % i for i in range(10))
SCORES = b"".join(b"%d\r\n" % (100 - 10 * i) for i in range(10))


def main():
    game, replay, source = sys.argv[1:4]
    work = tempfile.mkdtemp(prefix="tumbaro-e2e-")
    xvfb = game_proc = None
    try:
        runtime = os.path.join(source, "assets", "runtime")
        for name in ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV"]:
            shutil.copy(os.path.join(runtime, name), work)
        with open(os.path.join(work, "H.dat"), "wb") as f:
            f.write(NAMES)
        with open(os.path.join(work, "H2.dat"), "wb") as f:
            f.write(SCORES)
        played = run([replay, str(SEED), "--auto", "1"]).splitlines()
        assert played[9].startswith("accepted") and played[18] == "game over score 30", played[9:19]
        move = played[9].split()[1]

        xvfb, display = start_xvfb()
        env = game_env(display, work)
        game_proc = subprocess.Popen(["faketime", "-m", "--exclude-monotonic", "-f", FROZEN, game], cwd=work,
                                     env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = find_window(env, "^Tumbaro$")
        assert window, "the game's window never appeared"
        geometry = window_geometry(env, window)
        time.sleep(0.5)  # the first deal is drawn
        for cell in move.split("-"):
            r, c = int(cell[0]), int(cell[1])
            x = geometry["X"] + 112 + 52 * (c - 1) + 25
            y = geometry["Y"] + 32 + 52 * (r - 1) + 25
            run(["xdotool", "mousemove", str(x), str(y), "click", "1"], env=env)
            time.sleep(0.15)

        assert find_window(env, "^HScore$"), "no name dialog appeared"
        time.sleep(0.3)
        run(["xdotool", "type", "--delay", "30", "Annabelle"], env=env)  # nine letters: the box keeps eight
        run(["xdotool", "key", "Return"], env=env)
        assert find_window(env, "Game Over!!!", seconds=5), "no question followed the name"
        with open(os.path.join(work, "H.dat"), "rb") as f:
            names = f.read()
        with open(os.path.join(work, "H2.dat"), "rb") as f:
            scores = f.read()
        # 30 ties the eighth entry, so the new one goes just below it.
        assert names == b"".join(b"Name%d\r\n" % i for i in range(8)) + b"Annabell\r\nName8\r\n", names
        assert scores == b"100\r\n90\r\n80\r\n70\r\n60\r\n50\r\n40\r\n30\r\n30\r\n20\r\n", scores
        print("the table took Annabell at place 9, below the equal 30, both files CR LF")

        run(["xdotool", "key", "Escape"], env=env)
        assert game_proc.wait(timeout=10) == 0, "the program did not end cleanly"
        print("Escape in the question ended the program")
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
