#!/usr/bin/env python3
"""Swapping by dragging on a real X server: a ball dragged onto a neighbour
that makes no line is refused, one dragged onto a neighbour that makes one
plays the move the replay tool plays, and a move made by two clicks right
after plays as ever. Each drag is a press, several motion events and a
release, as a mouse or a finger gives them.

Usage: drag_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import sys
import tempfile

from xdisplay import (Program, Screen, ball_samples, frozen, game_env, makes_line, prepare_work, private_display,
                      replay_moves, run)

# The first deal of this second has moves left after its first two.
FROZEN = "2026-03-01 12:00:00"


def refused_pair(board):
    """The first pair of side by side cells whose swap makes no line."""
    r, c = next((r, c) for r in range(8) for c in range(7) if not makes_line(board, (r, c), (r, c + 1)))
    return f"{r + 1}{c + 1}-{r + 1}{c + 2}"


def drag(screen, move):
    """Presses the first cell's ball, moves in eight steps onto the second
    cell and releases there."""
    (r1, c1), (r2, c2) = [(int(cell[0]) - 1, int(cell[1]) - 1) for cell in move.split("-")]
    (x1, y1), (x2, y2) = [tuple(map(int, screen.point(*screen.cell(r, c)))) for r, c in ((r1, c1), (r2, c2))]
    steps = []
    for k in range(1, 9):
        steps += ["mousemove", str(x1 + (x2 - x1) * k // 8), str(y1 + (y2 - y1) * k // 8)]
    run(["xdotool", "mousemove", str(x1), str(y1), "mousedown", "1", *steps, "mouseup", "1"], env=screen.env)


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    deal, [(first, settled), (second, settled_again)], _ = replay_moves(replay, FROZEN, 2)
    refused = refused_pair(deal)
    balls = ball_samples(source)
    with tempfile.TemporaryDirectory(prefix="tumbaro-e2e-") as work, private_display() as display:
        prepare_work(source, work, ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV", "H.dat", "H2.dat"])
        env = game_env(display, work)
        with Program(frozen(FROZEN, [game_binary]), work, env) as game:
            screen = Screen(game)
            screen.wait_board(balls, deal, "the deal of the frozen second")
            drag(screen, refused)
            # Had the refused drag been taken, or left a ball picked, the next
            # drag would not settle to the replay tool's board.
            drag(screen, first)
            screen.wait_board(balls, settled, f"{refused} refused and {first} dragged")
            print(f"{refused} dragged was refused; {first} dragged settled as the replay tool plays it")
            screen.play(second, balls)
            screen.wait_board(balls, settled_again, f"{second} clicked after the drags")
            print(f"{second} by two clicks right after settled as the replay tool plays it")


if __name__ == "__main__":
    sys.exit(main())
