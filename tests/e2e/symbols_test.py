#!/usr/bin/env python3
"""The symbols on a real X server, switched on by the key S as a player does,
at scale 1 and at QT_SCALE_FACTOR=2: before, every cell shows its plain ball;
after, every cell shows the generator's picture of its design with its symbol
(the same picture for the design wherever it lies) and no cell still shows a
plain ball. The screenshots with symbols are kept in OUTPUT_DIR.

Usage: symbols_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR OUTPUT_DIR
"""
import os
import sys
import tempfile

from xdisplay import Program, Screen, ball_samples, frozen, game_env, prepare_work, private_display, replay_moves, run

FROZEN = "2026-03-01 12:00:00"
LARGE_SCREEN = (2048, 1536)  # room for the window at scale 2


def symbols_at_scale(game_binary, source, output, deal, scale):
    zoom = 2 if scale == 2 else None
    plain, marked = ball_samples(source, zoom), ball_samples(source, zoom, "symbols/Sxema1Big")
    with tempfile.TemporaryDirectory(prefix="tumbaro-symbols-") as work, private_display(LARGE_SCREEN) as display:
        prepare_work(source, work)
        env = game_env(display, work)
        if scale == 2:
            env["QT_SCALE_FACTOR"] = "2"
        with Program(frozen(FROZEN, [game_binary]), work, env) as game:
            game.keyboard_window("^Tumbaro$")
            screen = Screen(game, scale)
            screen.wait_board(plain, deal, f"scale {scale}: the deal with symbols off")
            screen.keys(["s"])
            screen.wait_board(marked, deal, f"scale {scale}: every ball with its design's symbol after S")
            left = [(r, c) for r, row in enumerate(screen.board(plain)) for c, k in enumerate(row) if k is not None]
            assert not left, game.failure(f"scale {scale}: cells {left} still show a plain ball")
            g = screen.geometry
            picture = os.path.join(output, f"symbols-scale{scale}.png")
            run(["convert", "-size", f"{g['WIDTH']}x{g['HEIGHT']}", "-depth", "8", "rgb:-", picture],
                text=False, input=screen.shot())
            print(f"scale {scale}: S drew every ball's symbol; the window is in {picture}")


def main():
    game_binary, replay, source, output = map(os.path.abspath, sys.argv[1:5])
    deal, _, _ = replay_moves(replay, FROZEN)
    for scale in (1, 2):
        symbols_at_scale(game_binary, source, output, deal, scale)


if __name__ == "__main__":
    sys.exit(main())
