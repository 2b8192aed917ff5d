#!/usr/bin/env python3
"""The real game on a scaled screen: at QT_SCALE_FACTOR=2 the window is twice
as large in device pixels, every cell shows the sharp drawing of the deal's
ball over the sharp background (not the ordinary one enlarged), and a move
played by real clicks at device coordinates settles as the replay tool plays
it. At 1.5, set the way a desktop sets it (Xft.dpi 144), the cells are read
and a move plays the same way. At both, the undo button shows its pressed look.

Usage: real_display_scale_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import sys
import tempfile

from xdisplay import (CELL, Program, Screen, first_move, frozen, game_env, load_picture, prepare_work,
                      private_display, run, samples, wait_for)

FROZEN = "2026-03-01 12:00:00"
LARGE_SCREEN = (2048, 1536)  # room for the window at scale 2 (1584 x 1144)
BACKGROUND_AT = (-8, -24)  # the background's place in the window
UNDO_AT, UNDO_SIZE = (488, 504), (61, 49)


def picture(source, folder, name, size=None):
    return load_picture(os.path.join(source, "assets", folder, name), size)


def composite_distance(screen, shot, r, c, ball, background):
    """Mean difference between a cell on the screen and `ball` laid over the
    background at device resolution, every pixel of the cell."""
    left, top = screen.cell(r, c)
    bx, by = left - 2 * BACKGROUND_AT[0], top - 2 * BACKGROUND_AT[1]
    (bw, _, ball), (gw, _, back) = ball, background
    width, total = screen.geometry["WIDTH"], 0
    for y in range(2 * CELL):
        for x in range(2 * CELL):
            f, g, s = (y * bw + x) * 4, ((by + y) * gw + bx + x) * 4, ((top + y) * width + left + x) * 3
            a = ball[f + 3]
            total += sum(abs(shot[s + i] - (ball[f + i] * a + back[g + i] * (255 - a)) / 255) for i in range(3))
    return total / (3 * 4 * CELL * CELL)


def sharp_not_enlarged(screen, source, deal, sharp, balls):
    shot = screen.shot()
    background = picture(source, "runtime", "b1@2x.jpg")
    worst = max(composite_distance(screen, shot, r, c, sharp[deal[r][c]], background)
                for r in range(8) for c in range(8))
    assert worst < 3, f"a cell differs from its sharp ball over the sharp background by {worst:.1f}"
    # The ordinary drawing enlarged is a clearly worse fit than the sharp one.
    enlarged = [samples(picture(source, "Sxema1Big", f"{k}.png"), stretch=2) for k in range(8)]
    fit = lambda pictures: sum(screen.distance(shot, *screen.cell(r, c), pictures[deal[r][c]])
                               for r in range(8) for c in range(8)) / 64
    assert fit(enlarged) > 2 * fit(balls) + 1, f"sharp {fit(balls):.1f}, enlarged {fit(enlarged):.1f}"
    print(f"scale 2: every cell is its sharp ball over the sharp background (worst {worst:.1f}); "
          f"mean distance {fit(balls):.1f} to the sharp balls, {fit(enlarged):.1f} to the enlarged ones")


def play_at_scale(game_binary, replay, source, work, display, scale):
    env = game_env(display, work)
    if scale == 2:
        env["QT_SCALE_FACTOR"] = "2"
    else:
        run(["xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
             "Xft.dpi:\t%d\n" % round(96 * scale)], env=env)
    # The balls as this screen should show them: the sharp drawing itself at
    # 2, scaled down from it at 1.5.
    fitted = lambda size: None if scale == 2 else tuple(round(n * scale) for n in size)
    sharp = [picture(source, "Sxema1Big", f"{k}@2x.png", fitted((51, 50))) for k in range(8)]
    balls = [samples(ball) for ball in sharp]
    deal, move, settled, _ = first_move(replay, FROZEN)

    with Program(frozen(FROZEN, [game_binary]), work, env) as game:
        screen = Screen(game, scale)
        screen.wait_board(balls, deal, f"scale {scale}: the deal of the frozen second")
        if scale == 2:
            sharp_not_enlarged(screen, source, deal, sharp, balls)
        screen.play(move, balls)
        screen.wait_board(balls, settled, f"scale {scale}: {move} played by clicks, as the replay tool plays it")
        print(f"scale {scale}: move {move} played by clicks settled as the replay tool plays it")

        # The undo button, now enabled, shows its sharp pressed look while down.
        undo = samples(picture(source, "ImageList2", "3@2x.png", fitted(UNDO_SIZE)))
        left, top = screen.at(*UNDO_AT)
        run(["xdotool", "mousemove", *screen.point(left, top), "mousedown", "1"], env=env)
        pressed = wait_for(lambda: screen.distance(screen.shot(), left, top, undo) < 12)
        run(["xdotool", "mouseup", "1"], env=env)
        assert pressed, game.failure(f"scale {scale}: the undo button never showed its pressed look")
        print(f"scale {scale}: the undo button shows its pressed look")


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    for scale in (2, 1.5):  # a display each: one game's window never meets the next
        with tempfile.TemporaryDirectory(prefix="tumbaro-scale-") as work, private_display(LARGE_SCREEN) as display:
            prepare_work(source, work)
            play_at_scale(game_binary, replay, source, work, display, scale)


if __name__ == "__main__":
    sys.exit(main())
