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

from xdisplay import (CELL, Program, Screen, first_move, frozen, game_env, load_picture, prepare_work,
                      private_display, run, samples)

FROZEN = "2026-03-01 12:00:00"
LARGE_SCREEN = (2048, 1536)  # room for the window at scale 2 (1584 x 1144)
BACKGROUND_AT = (-8, -24)  # the background's place in the window


def picture(source, folder, name, size=None):
    return load_picture(os.path.join(source, "assets", folder, name), size)


def sharp_cells(screen, source, deal, sharp):
    """Every cell, pixel for pixel, is its sharp ball laid over the sharp
    background: the ordinary pictures enlarged would miss by far more."""
    shot, width = screen.shot(), screen.geometry["WIDTH"]
    gw, _, back = picture(source, "runtime", "b1@2x.jpg")
    worst = 0
    for r, c in ((r, c) for r in range(8) for c in range(8)):
        (bw, _, ball), (left, top), total = sharp[deal[r][c]], screen.cell(r, c), 0
        bx, by = left - 2 * BACKGROUND_AT[0], top - 2 * BACKGROUND_AT[1]
        for y, x in ((y, x) for y in range(2 * CELL) for x in range(2 * CELL)):
            f, g, s = (y * bw + x) * 4, ((by + y) * gw + bx + x) * 4, ((top + y) * width + left + x) * 3
            total += sum(abs(shot[s + i] - (ball[f + i] * ball[f + 3] + back[g + i] * (255 - ball[f + 3])) / 255)
                         for i in range(3))
        worst = max(worst, total / (3 * 4 * CELL * CELL))
    assert worst < 3, f"a cell differs from its sharp ball over the sharp background by {worst:.1f}"
    print(f"scale 2: every cell is its sharp ball over the sharp background (worst {worst:.1f})")


def play_at_scale(game_binary, replay, source, work, display, scale):
    env = game_env(display, work)
    if scale == 2:
        env["QT_SCALE_FACTOR"] = "2"
    else:
        run(["xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
             "Xft.dpi:\t%d\n" % round(96 * scale)], env=env)
    # The balls as this screen should show them: the sharp drawing itself at
    # 2, scaled down from it at 1.5.
    size = None if scale == 2 else (round(51 * scale), round(50 * scale))
    sharp = [picture(source, "Sxema1Big", f"{k}@2x.png", size) for k in range(8)]
    balls = [samples(ball) for ball in sharp]
    deal, move, settled, _ = first_move(replay, FROZEN)

    with Program(frozen(FROZEN, [game_binary]), work, env) as game:
        screen = Screen(game, scale)
        screen.wait_board(balls, deal, f"scale {scale}: the deal of the frozen second")
        if scale == 2:
            sharp_cells(screen, source, deal, sharp)
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
