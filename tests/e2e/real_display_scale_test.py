#!/usr/bin/env python3
"""The real game on a scaled screen: at QT_SCALE_FACTOR=2 the window is twice
as large in device pixels, every cell shows the sharp drawing of the deal's
ball over the sharp background (not the ordinary one enlarged), and a move
played by real clicks at device coordinates settles as the replay tool plays
it. At 1.5, set the way a desktop sets it (Xft.dpi 144), the cells are read
and a move plays the same way.

Usage: real_display_scale_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import sys
import tempfile

from xdisplay import (Program, Screen, ball_pictures, frozen, game_env, load_picture, prepare_work,
                      private_display, replay_moves, run, samples, sharp_error)

FROZEN = "2026-03-01 12:00:00"
LARGE_SCREEN = (2048, 1536)  # room for the window at scale 2 (1584 x 1144)
SHARP = 3  # the worst mean colour difference of a cell from its sharp ball over the sharp background


def play_at_scale(game_binary, replay, source, work, display, scale):
    env = game_env(display, work)
    if scale == 2:
        env["QT_SCALE_FACTOR"] = "2"
    else:
        run(["xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
             "Xft.dpi:\t%d\n" % round(96 * scale)], env=env)
    # The balls as this screen should show them: the sharp drawing itself at
    # 2, scaled down from it at 1.5.
    sharp = ball_pictures(source, "@2x", None if scale == 2 else (round(51 * scale), round(50 * scale)))
    balls = [samples(ball) for ball in sharp]
    deal, [(move, settled)], _ = replay_moves(replay, FROZEN)

    with Program(frozen(FROZEN, [game_binary]), work, env) as game:
        screen = Screen(game, scale)
        screen.wait_board(balls, deal, f"scale {scale}: the deal of the frozen second")
        if scale == 2:
            shot, back = screen.shot(), load_picture(os.path.join(source, "assets", "runtime", "b1@2x.jpg"))
            worst = max(sharp_error(screen, shot, r, c, sharp[deal[r][c]], back) for r in range(8) for c in range(8))
            assert worst < SHARP, f"a cell differs from its sharp ball over the sharp background by {worst:.1f}"
            print(f"scale 2: every cell is its sharp ball over the sharp background (worst {worst:.1f})")
        screen.play(move, balls)
        screen.wait_board(balls, settled, f"scale {scale}: {move} played by clicks, as the replay tool plays it")
        print(f"scale {scale}: move {move} played by clicks settled as the replay tool plays it")


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    for scale in (2, 1.5):  # a display each: one game's window never meets the next
        with tempfile.TemporaryDirectory(prefix="tumbaro-scale-") as work, private_display(LARGE_SCREEN) as display:
            prepare_work(source, work)
            play_at_scale(game_binary, replay, source, work, display, scale)


if __name__ == "__main__":
    sys.exit(main())
