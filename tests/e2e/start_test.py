#!/usr/bin/env python3
"""How a game starts, on a real X server: the menu and the ways started from
it, the window's class, a stuck Zen game, the deal options under a pinned
clock, a bad deal number and --statistics.

Usage: start_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import pathlib
import subprocess
import sys

from nothing_lost_test import kept_game
from xdisplay import (Program, Screen, ball_samples, frozen, game_windows, private_game, run, wait_for,
                      window_geometry, windows)

NEW_BUTTON = (152 + 30, 504 + 24)  # its middle, in the window
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
DAYS = [("2026-12-08 09:00:00", 20261208), ("2026-12-08 23:59:00", 20261208), ("2026-12-09 00:00:30", 20261209)]


def choose_ways(game, work):
    """Opens the menu three ways, and each time starts another way by keys."""
    # The game's windows are found by their class, the desktop entry's name
    # (xdotool fails on a class no window has).
    g = window_geometry(game.env, game.keyboard_window("^Tumbaro$"))
    press_on_new = ["mousemove", str(g["X"] + NEW_BUTTON[0]), str(g["Y"] + NEW_BUTTON[1]), "click", "3"]
    openers = [("a right press on NEW", press_on_new), ("Shift+F10", ["key", "shift+F10"]),
               ("the Menu key", ["key", "Menu"])]
    kept = lambda: kept_game(work) or {}
    # The entries: Classic, Timed, Zen first; Down from none reaches the first.
    for (how, keys), way, downs in zip(openers, ("timed", "zen", None), (2, 3, 1)):
        run(["xdotool", *keys], env=game.env)
        assert wait_for(lambda: len(game_windows(game.env)) > 1), game.failure(f"{how} opened no menu")
        run(["xdotool", "key", "--delay", "50", *["Down"] * downs, "Return"], env=game.env)
        assert wait_for(lambda: kept().get("way") == way), \
            game.failure(f"the menu opened by {how} started no {way or 'classic'} game: {kept()}")


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    balls = ball_samples(source)
    with private_game(source) as (work, env):
        with Program([game_binary], work, env) as game:
            choose_ways(game, work)

        table = {name: pathlib.Path(work, name).read_bytes() for name in ("H.dat", "H2.dat")}
        pathlib.Path(work, "config", "tumbaro", "game").write_text(STUCK)
        board_of = lambda cells: [[int(cells[r * 8 + c]) for c in range(8)] for r in range(8)]
        with Program([game_binary], work, env) as game:
            screen = Screen(game)
            cells = kept_game(work)["board"]
            screen.wait_board(balls, board_of(cells), "the kept Zen game")
            screen.play("15-16", balls)
            dealt = wait_for(lambda: (kept_game(work) or {}).get("board") not in (None, cells) and kept_game(work))
            assert dealt, game.failure("the stuck board was never dealt anew")
            assert (dealt["score"], dealt["way"]) == ("115", "zen"), dealt
            screen.wait_board(balls, board_of(dealt["board"]), "the new deal")
            assert not windows(env, "Game Over|HScore|Congratulations"), "a Zen game asked something"
            assert game.proc.poll() is None, game.failure("the game ended")
        assert all(pathlib.Path(work, name).read_bytes() == before for name, before in table.items()), "a table changed"

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
