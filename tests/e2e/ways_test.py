#!/usr/bin/env python3
"""The ways to play on a real X server. The menu opens by a right press on
NEW, by Shift+F10 and by the Menu key, and each way is started from it. A
Zen game whose swap leaves no move goes on with a new deal and the same
score, asks nothing and leaves the table as it was. The window's class is
the desktop entry's name, so a dock ties it to its launcher.

Usage: ways_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import pathlib
import sys
import tempfile

from nothing_lost_test import kept_game
from xdisplay import Program, Screen, ball_samples, game_env, prepare_work, private_display, run, visible_windows, wait_for

NEW_BUTTON = (152 + 30, 504 + 24)  # its middle, in the window
DESKTOP_ENTRY = "io.github.tumbaro.Tumbaro"
# A kept Zen game whose swap of (1,5) and (1,6) makes 6 6 6 in the top row,
# and whose three new balls leave no move: a Classic game would end there.
STUCK = """tumbaro saved game 1
board 0566760532105432054321053210543205432105321054320543210532105432
score 100
undo no
undo-board 0000000000000000000000000000000000000000000000000000000000000000
undo-score 0
random 0000000000000001
way zen
check 8f536c1c
"""


def kept(work):
    return kept_game(work) or {}


def board_of(cells):
    return [[int(cells[r * 8 + c]) for c in range(8)] for r in range(8)]


def choose_ways(game, screen, work):
    """Opens the menu three ways, and each time starts another way by keys."""
    x, y = (screen.geometry["X"] + NEW_BUTTON[0], screen.geometry["Y"] + NEW_BUTTON[1])
    openers = [
        ("a right press on NEW", ["mousemove", str(x), str(y), "click", "3"]),
        ("Shift+F10", ["key", "shift+F10"]),
        ("the Menu key", ["key", "Menu"]),
    ]
    # The entries: Classic, Timed, Zen first; Down from none reaches the first.
    for (how, keys), way, downs in zip(openers, ("timed", "zen", None), (2, 3, 1)):
        run(["xdotool", *keys], env=game.env)
        # The menu is a window of its own, mapped while it is open.
        shown = lambda: run(["xdotool", "search", "--onlyvisible", "--class", DESKTOP_ENTRY], env=game.env).split()
        assert wait_for(lambda: len(shown()) > 1), game.failure(f"{how} opened no menu")
        run(["xdotool", "key", "--delay", "50", *["Down"] * downs, "Return"], env=game.env)
        assert wait_for(lambda: kept(work).get("way") == way), \
            game.failure(f"the menu opened by {how} started no {way or 'classic'} game: {kept(work)}")
        print(f"{how} opened the menu, and its entry started a {way or 'classic'} game")


def main():
    game_binary, _, source = map(os.path.abspath, sys.argv[1:4])
    balls = ball_samples(source)
    with tempfile.TemporaryDirectory(prefix="tumbaro-e2e-") as work, private_display() as display:
        prepare_work(source, work, ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV", "H.dat", "H2.dat"])
        table = {name: pathlib.Path(work, name).read_bytes() for name in ("H.dat", "H2.dat")}
        env = game_env(display, work)
        with Program([game_binary], work, env) as game:
            window = game.keyboard_window("^Tumbaro$")
            wm_class = run(["xprop", "-id", window, "WM_CLASS"], env=env)
            assert f'"{DESKTOP_ENTRY}"' in wm_class, wm_class
            choose_ways(game, Screen(game), work)

        pathlib.Path(work, "config", "tumbaro", "game").write_text(STUCK)
        with Program([game_binary], work, env) as game:
            screen = Screen(game)
            cells = kept(work)["board"]
            screen.wait_board(balls, board_of(cells), "the kept Zen game")
            screen.play("15-16", balls)
            dealt = wait_for(lambda: kept(work).get("board") != cells and kept(work))
            assert dealt, game.failure("the stuck board was never dealt anew")
            assert (dealt["score"], dealt["way"]) == ("115", "zen"), dealt
            screen.wait_board(balls, board_of(dealt["board"]), "the new deal")
            assert not visible_windows(env, "Game Over|HScore|Congratulations"), "a Zen game asked something"
            assert game.proc.poll() is None, game.failure("the game ended")
        for name, before in table.items():
            assert pathlib.Path(work, name).read_bytes() == before, f"{name} changed"
        print("a Zen swap that left no move brought a new deal with the score kept, no question, the table alone")


if __name__ == "__main__":
    sys.exit(main())
