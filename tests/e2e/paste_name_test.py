#!/usr/bin/env python3
"""Names pasted into the name box stay one line of the table: a pasted line
break becomes a space and a pasted NUL is dropped, so after two such games
both table files still hold ten lines, each name beside its own score.

Usage: paste_name_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import sys
import tempfile

from high_score_end import ENDING, POINTS, assert_table, ball_samples, start_to_name_box, with_entries, write_table
from xdisplay import first_move, game_env, on_clipboard, prepare_work, private_display, run

# What goes on the clipboard, and the name it must be entered as.
PASTES = [(b"Ann\nLee", "Ann Lee"), (b"Bo\0b", "Bob")]


def paste_and_enter(game_binary, work, env, ending, balls, pasted):
    deal, move, _, _ = ending
    game = start_to_name_box(game_binary, work, env, deal, move, balls)
    with game, on_clipboard(env, pasted):
        run(["xdotool", "key", "ctrl+v", "Return"], env=env)
        game.keyboard_window("Game Over!!!")  # asked once the table is written
        run(["xdotool", "key", "Escape"], env=env)
        assert game.ended() == 0, game.failure("Escape in the question did not end the program cleanly")
    print(f"{pasted!r} pasted and entered, the program ended cleanly")


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    ending = first_move(replay, ENDING)
    assert ending[3][:1] == [f"game over score {POINTS}"], ending[3][:1]
    balls = ball_samples(source)
    with tempfile.TemporaryDirectory(prefix="tumbaro-paste-") as work, private_display() as display:
        prepare_work(source, work, ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV"])
        write_table(work)
        env = game_env(display, work)
        for pasted, _ in PASTES:
            paste_and_enter(game_binary, work, env, ending, balls, pasted)
        names = [entered for _, entered in PASTES]
        assert_table(work, with_entries(*names), "after pasting a line break and a NUL")
    print(f"the table holds ten names beside ten scores, with {names[0]!r} and {names[1]!r}")


if __name__ == "__main__":
    sys.exit(main())
