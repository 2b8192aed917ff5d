#!/usr/bin/env python3
"""The ways to play on a real X server. The menu opens by a right press on
NEW, by Shift+F10 and by the Menu key, and each way is started from it. The
window's class is the desktop entry's name, so a dock ties it to its launcher.

Usage: ways_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import sys
import tempfile

from nothing_lost_test import kept_game
from xdisplay import Program, game_env, prepare_work, private_display, run, wait_for, window_geometry

NEW_BUTTON = (152 + 30, 504 + 24)  # its middle, in the window
DESKTOP_ENTRY = "io.github.tumbaro.Tumbaro"


def main():
    game_binary, _, source = map(os.path.abspath, sys.argv[1:4])
    with tempfile.TemporaryDirectory(prefix="tumbaro-e2e-") as work, private_display() as display:
        prepare_work(source, work, ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV", "H.dat", "H2.dat"])
        env = game_env(display, work)
        with Program([game_binary], work, env) as game:
            window = game.keyboard_window("^Tumbaro$")
            wm_class = run(["xprop", "-id", window, "WM_CLASS"], env=env)
            assert f'"{DESKTOP_ENTRY}"' in wm_class, wm_class
            g = window_geometry(env, window)
            openers = [("a right press on NEW", ["mousemove", str(g["X"] + NEW_BUTTON[0]),
                                                 str(g["Y"] + NEW_BUTTON[1]), "click", "3"]),
                       ("Shift+F10", ["key", "shift+F10"]), ("the Menu key", ["key", "Menu"])]
            # The entries: Classic, Timed, Zen first; Down from none reaches the first.
            for (how, keys), way, downs in zip(openers, ("timed", "zen", None), (2, 3, 1)):
                run(["xdotool", *keys], env=env)
                # The menu is a window of its own, mapped while it is open.
                shown = lambda: run(["xdotool", "search", "--onlyvisible", "--class", DESKTOP_ENTRY], env=env).split()
                assert wait_for(lambda: len(shown()) > 1), game.failure(f"{how} opened no menu")
                run(["xdotool", "key", "--delay", "50", *["Down"] * downs, "Return"], env=env)
                kept = lambda: kept_game(work) or {}
                assert wait_for(lambda: kept().get("way") == way), \
                    game.failure(f"the menu opened by {how} started no {way or 'classic'} game: {kept()}")
                print(f"{how} opened the menu, and its entry started a {way or 'classic'} game")


if __name__ == "__main__":
    sys.exit(main())
