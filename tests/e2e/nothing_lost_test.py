#!/usr/bin/env python3
"""Nothing the player has is lost when the program is ended from outside.

A game that ends with a high score has its entry on disk however the
program ends while the name is asked for: SIGTERM with the name box open
(the name as typed), SIGTERM right after OK, or the X server going away.
The next start deals afresh rather than showing the ended board. A game in
progress killed outright comes back on the next start, under a second that
would deal another board: the same cells, kept with its score and the board
before the move for undo. The first game is played by keys, the others by
clicks.

Usage: nothing_lost_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import pathlib
import signal
import sys

from high_score_end import assert_table, ending_move, start_to_name_box, type_name, write_table
from xdisplay import (Program, Screen, ball_samples, frozen, game_env, private_game, replay_moves, run, start_xvfb,
                      stop_process, wait_for, windows, work_folder)

PLAYING = "2026-03-01 12:00:00"  # its first deal has moves left after the first
FIRST_POINTS = "15"  # what that first move scores
ELSEWHEN = "2026-03-01 12:00:01"  # deals another board


def kept_game(work):
    """The fields of the game kept for the next start, or None."""
    path = pathlib.Path(work, "config", "tumbaro", "game")
    try:
        return dict(line.split(" ", 1) for line in path.read_text().splitlines()[1:])
    except FileNotFoundError:
        return None


def cells(board):
    return "".join(str(colour) for row in board for colour in row)


def sigterm_at_the_name_box(game_binary, work, env, ending, balls):
    """SIGTERM with the name box open, the game played by keys; then, started
    under the same second again (the ended game is not resumed), SIGTERM right
    after OK with the box left empty: the name is the box's stand-in."""
    for by_keys, names, when in ((True, ["Kim"], "with the name box open"), (False, ["Kim", "Android"], "after OK")):
        with start_to_name_box(game_binary, work, env, ending, balls, by_keys) as game:
            if by_keys:
                type_name(game, "Kim")
            else:
                run(["xdotool", "key", "Return"], env=env)
                assert wait_for(lambda: not windows(env, "^HScore$")), game.failure("OK left the name box open")
            os.kill(game.proc.pid, signal.SIGTERM)
            assert game.ended() == 0, game.failure(f"SIGTERM {when} did not end the program cleanly")
        assert_table(work, names, f"SIGTERM {when}")


def killed_and_resumed(game_binary, work, env, playing, balls):
    deal, [(move, settled)], _ = playing
    with Program(frozen(PLAYING, [game_binary]), work, env) as game:
        screen = Screen(game)
        screen.wait_board(balls, deal, "the deal of the playing second")
        screen.play(move, balls)
        screen.wait_board(balls, settled, f"{move} played with the mouse")
        saved = wait_for(lambda: (kept_game(work) or {}).get("board") == cells(settled) and kept_game(work))
        assert saved, game.failure(f"the settled board was never kept: {kept_game(work)}")
        assert (saved["score"], saved["undo"], saved["undo-board"]) == (FIRST_POINTS, "yes", cells(deal)), saved
        os.kill(game.proc.pid, signal.SIGKILL)
        game.ended()

    with Program(frozen(ELSEWHEN, [game_binary]), work, env) as game:
        Screen(game).wait_board(balls, settled, "the start after a kill, under another second")


def display_gone(game_binary, source, ending, balls):
    with work_folder(source) as work:
        write_table(work)
        xvfb, display = start_xvfb()
        try:
            with start_to_name_box(game_binary, work, game_env(display, work), ending, balls) as game:
                type_name(game, "Dee")
                stop_process(xvfb)
                status = game.ended()
        finally:
            stop_process(xvfb)
        assert_table(work, ["Dee"], "the X server gone with the name box open")
    print(f"the X server gone with the name box open: the game ended (status {status}), the typed name entered")


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    ending, playing = ending_move(replay), replay_moves(replay, PLAYING)
    elsewhen = replay_moves(replay, ELSEWHEN)[0]
    assert elsewhen not in (playing[0], playing[1][0][1]), "the other second deals the same board"
    balls = ball_samples(source)
    with private_game(source) as (work, env):
        write_table(work)
        sigterm_at_the_name_box(game_binary, work, env, ending, balls)
        killed_and_resumed(game_binary, work, env, playing, balls)
    display_gone(game_binary, source, ending, balls)


if __name__ == "__main__":
    sys.exit(main())
