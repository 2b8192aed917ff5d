#!/usr/bin/env python3
"""Games played to the high-score table on a real X server, its names
entered three ways: a game played from the keyboard whose move settles as
the replay tool plays it, a nine-letter name typed (the box keeps eight);
then names pasted with a line break (it becomes a space) and with a NUL (it
is dropped). Each game ends with Escape in the question, cleanly, and both
table files hold ten CR LF lines, the name at place 9 beside its score.

Usage: name_entry_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import sys
import tempfile

from high_score_end import ENDING, assert_table, ending_move, start_to_name_box, with_entries, write_table
from xdisplay import (SCREEN, Screen, ball_samples, game_env, on_clipboard, prepare_work, private_display,
                      replay_moves, run, window_geometry)

TYPED = ("Annabelle", "Annabell")
# What goes on the clipboard, and the name it must be entered as.
PASTES = [(b"Ann\nLee", "Ann Lee"), (b"Bo\0b", "Bob")]


def typed_by_keys(game_binary, work, env, ending, balls, settled):
    with start_to_name_box(game_binary, work, env, ending, balls, by_keys=True) as game:
        # The name box opens over the board: moved to a corner, it lets the board be read.
        dialog = game.window("^HScore$")
        size = window_geometry(env, dialog)
        run(["xdotool", "windowmove", dialog, str(SCREEN[0] - size["WIDTH"]), str(SCREEN[1] - size["HEIGHT"])],
            env=env)
        Screen(game).wait_board(balls, settled, f"{ending[1]} played with arrow keys and Space")
        print(f"move {ending[1]} played by keys settled as the replay tool plays it")
        game.keyboard_window("^HScore$")
        run(["xdotool", "type", "--delay", "30", TYPED[0]], env=env)
        enter_and_leave(game, env)


def pasted(game_binary, work, env, ending, balls, data):
    with start_to_name_box(game_binary, work, env, ending, balls) as game, on_clipboard(env, data):
        run(["xdotool", "key", "ctrl+v"], env=env)
        enter_and_leave(game, env)


def enter_and_leave(game, env):
    run(["xdotool", "key", "Return"], env=env)
    game.keyboard_window("Game Over!!!")  # asked once the table is written
    run(["xdotool", "key", "Escape"], env=env)
    assert game.ended() == 0, game.failure("Escape in the question did not end the program cleanly")


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    ending, settled = ending_move(replay), replay_moves(replay, ENDING)[1][0][1]
    balls = ball_samples(source)
    with tempfile.TemporaryDirectory(prefix="tumbaro-names-") as work, private_display() as display:
        prepare_work(source, work, ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV"])
        write_table(work)
        env = game_env(display, work)
        typed_by_keys(game_binary, work, env, ending, balls, settled)
        assert_table(work, with_entries(TYPED[1]), f"{TYPED[0]} typed")
        print(f"{TYPED[0]} typed was entered as {TYPED[1]} at place 9, below the equal score")
        for data, name in PASTES:
            write_table(work)
            pasted(game_binary, work, env, ending, balls, data)
            assert_table(work, with_entries(name), f"{data!r} pasted")
            print(f"{data!r} pasted was entered as {name!r}, one line of the table")


if __name__ == "__main__":
    sys.exit(main())
