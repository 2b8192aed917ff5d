#!/usr/bin/env python3
"""How a game starts, on a real X server. The menu opens by a right press on
NEW, by Shift+F10 and by the Menu key, and each way is started from it; the
window's class is the desktop entry's name, so a dock ties it to its
launcher. Under a pinned clock `--deal 12345` and `--today` show the replay
tool's 64 cells for their number, the same all day and another the next; a
bad number exits 2 before any window; `--statistics` opens the statistics
window instead of the game.

Usage: start_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import subprocess
import sys
import tempfile

from nothing_lost_test import kept_game
from xdisplay import (Program, Screen, ball_samples, frozen, game_env, prepare_work, private_display, run, wait_for,
                      window_geometry)

NEW_BUTTON = (152 + 30, 504 + 24)  # its middle, in the window
DESKTOP_ENTRY = "io.github.tumbaro.Tumbaro"
DAYS = [("2026-12-08 09:00:00", 20261208), ("2026-12-08 23:59:00", 20261208), ("2026-12-09 00:00:30", 20261209)]


def choose_ways(game, work):
    """Opens the menu three ways, and each time starts another way by keys."""
    window = game.keyboard_window("^Tumbaro$")
    wm_class = run(["xprop", "-id", window, "WM_CLASS"], env=game.env)
    assert f'"{DESKTOP_ENTRY}"' in wm_class, wm_class
    g = window_geometry(game.env, window)
    press_on_new = ["mousemove", str(g["X"] + NEW_BUTTON[0]), str(g["Y"] + NEW_BUTTON[1]), "click", "3"]
    openers = [("a right press on NEW", press_on_new), ("Shift+F10", ["key", "shift+F10"]),
               ("the Menu key", ["key", "Menu"])]
    kept = lambda: kept_game(work) or {}
    # The entries: Classic, Timed, Zen first; Down from none reaches the first.
    for (how, keys), way, downs in zip(openers, ("timed", "zen", None), (2, 3, 1)):
        run(["xdotool", *keys], env=game.env)
        # The menu is a window of its own, mapped while it is open.
        shown = lambda: run(["xdotool", "search", "--onlyvisible", "--class", DESKTOP_ENTRY], env=game.env).split()
        assert wait_for(lambda: len(shown()) > 1), game.failure(f"{how} opened no menu")
        run(["xdotool", "key", "--delay", "50", *["Down"] * downs, "Return"], env=game.env)
        assert wait_for(lambda: kept().get("way") == way), \
            game.failure(f"the menu opened by {how} started no {way or 'classic'} game: {kept()}")


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    balls = ball_samples(source)
    with tempfile.TemporaryDirectory(prefix="tumbaro-e2e-") as work, private_display() as display:
        prepare_work(source, work, ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV", "H.dat", "H2.dat"])
        env = game_env(display, work)
        with Program([game_binary], work, env) as game:
            choose_ways(game, work)

        for bad in ("x", "-1", "4294967296"):
            done = subprocess.run([game_binary, "--deal", bad], cwd=work, env=env, capture_output=True, text=True,
                                  timeout=30)
            assert done.returncode == 2 and bad in done.stderr, (bad, done.returncode, done.stderr)
        starts = [("2026-12-08 09:00:00", ["--deal", "12345"], 12345)] + [(when, ["--today"], n) for when, n in DAYS]
        for when, args, number in starts:
            deal = [[int(ch) for ch in row] for row in run([replay, str(number)]).splitlines()[1:9]]
            with Program(frozen(when, [game_binary, *args]), work, env) as game:
                Screen(game).wait_board(balls, deal, f"{' '.join(args)}: deal {number} at {when}")

        with Program([game_binary, "--statistics"], work, env) as game:
            game.window("^Statistics$", mapped=True)


if __name__ == "__main__":
    sys.exit(main())
