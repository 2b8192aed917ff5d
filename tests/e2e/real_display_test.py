#!/usr/bin/env python3
"""One whole game on a real X server, played from the keyboard.

The clock is frozen at a time whose first deal ends its game after one move,
so the seed is known. The test reads the deal off the screen, plays the move
with arrow keys and Space, checks the settled board against the replay tool,
types a name into the dialog, checks both table files on disk, and ends the
program with Escape in the question.

Usage: real_display_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import pathlib
import sys
import tempfile

from xdisplay import (SCREEN, Program, Screen, first_move, frozen, game_env, load_picture, prepare_work,
                      private_display, run, samples, window_geometry)

# The first deal of this second ends its game after one move, for 30 points.
FROZEN = "2026-03-01 12:09:26"
NAMES = b"".join(b"Name%d\r\n" % i for i in range(10))
SCORES = b"".join(b"%d\r\n" % (100 - 10 * i) for i in range(10))


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    deal, move, settled, end = first_move(replay, FROZEN)
    assert end[:1] == ["game over score 30"], end[:1]
    balls = [samples(load_picture(os.path.join(source, "assets", "Sxema1Big", f"{k}.png"))) for k in range(8)]
    with tempfile.TemporaryDirectory(prefix="tumbaro-e2e-") as work, private_display() as display:
        prepare_work(source, work, ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV"])
        pathlib.Path(work, "H.dat").write_bytes(NAMES)
        pathlib.Path(work, "H2.dat").write_bytes(SCORES)
        env = game_env(display, work)
        with Program(frozen(FROZEN, [game_binary]), work, env) as game:
            screen = Screen(game)
            screen.wait_board(balls, deal, "the deal of the frozen second")
            game.keyboard_window("^Tumbaro$")
            screen.play(move, balls, by_keys=True)
            # The move ends the game; the name dialog opens in the middle of the screen,
            # over the board, so it is moved to a corner before the board is read.
            dialog = game.window("^HScore$")
            size = window_geometry(env, dialog)
            corner = (str(SCREEN[0] - size["WIDTH"]), str(SCREEN[1] - size["HEIGHT"]))
            run(["xdotool", "windowmove", dialog, *corner], env=env)
            screen.wait_board(balls, settled, f"{move} played with arrow keys and Space, as the replay tool plays it")
            print(f"move {move} played by keys settled as the replay tool plays it")

            game.keyboard_window("^HScore$")
            run(["xdotool", "type", "--delay", "30", "Annabelle"], env=env)  # nine letters: the box keeps eight
            run(["xdotool", "key", "Return"], env=env)
            game.keyboard_window("Game Over!!!")  # asked once the table is written
            names, scores = (pathlib.Path(work, name).read_bytes() for name in ("H.dat", "H2.dat"))
            # 30 ties the eighth entry, so the new one goes just below it.
            assert names == b"".join(b"Name%d\r\n" % i for i in range(8)) + b"Annabell\r\nName8\r\n", names
            assert scores == b"100\r\n90\r\n80\r\n70\r\n60\r\n50\r\n40\r\n30\r\n30\r\n20\r\n", scores
            print("the table took Annabell at place 9, below the equal 30, both files CR LF")

            run(["xdotool", "key", "Escape"], env=env)
            assert game.ended() == 0, game.failure("Escape in the question did not end the program cleanly")
            print("Escape in the question ended the program")


if __name__ == "__main__":
    sys.exit(main())
