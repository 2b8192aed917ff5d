#!/usr/bin/env python3
"""The real game on a screen scaled by 1.5 the way a desktop sets it (Xft.dpi
144), played by real input at device coordinates: a ball dragged onto a
neighbour that makes no line is refused, one dragged onto a neighbour that
makes one plays the replay tool's move, and a move by two clicks right after
plays as ever. Each drag is a press, several motion events and a release, as
a mouse or a finger gives them.

Usage: real_display_scale_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import sys
import tempfile

from xdisplay import (Program, Screen, ball_samples, desktop_scale, drag, frozen, game_env, prepare_work,
                      private_display, refused_pair, replay_moves)

FROZEN = "2026-03-01 12:00:00"  # its first deal has moves left after its first two
SCALE = 1.5


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    deal, [(first, settled), (second, settled_again)], _ = replay_moves(replay, FROZEN, 2)
    balls = ball_samples(source, SCALE)
    with tempfile.TemporaryDirectory(prefix="tumbaro-scale-") as work, private_display((2048, 1536)) as display:
        prepare_work(source, work)
        env = game_env(display, work)
        desktop_scale(env, SCALE)
        with Program(frozen(FROZEN, [game_binary]), work, env) as game:
            screen = Screen(game, SCALE)
            screen.wait_board(balls, deal, f"scale {SCALE}: the deal of the frozen second")
            refused = refused_pair(deal)
            drag(screen, refused)
            # Had the refused drag been taken, or left a ball picked, the next
            # drag would not settle to the replay tool's board.
            drag(screen, first)
            screen.wait_board(balls, settled, f"scale {SCALE}: {refused} refused and {first} dragged")
            print(f"scale {SCALE}: {refused} dragged was refused; {first} dragged settled as the replay tool plays it")
            screen.play(second, balls)
            screen.wait_board(balls, settled_again, f"scale {SCALE}: {second} clicked after the drags")
            print(f"scale {SCALE}: {second} by two clicks right after settled as the replay tool plays it")


if __name__ == "__main__":
    sys.exit(main())
