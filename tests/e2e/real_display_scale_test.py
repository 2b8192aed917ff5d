#!/usr/bin/env python3
"""The real game on a scaled screen, played by real input at device
coordinates. At QT_SCALE_FACTOR=2 the window is twice as large and every
cell shows the sharp drawing of the deal's ball over the sharp background
(not the ordinary one enlarged). At 1.5, set the way a desktop sets it
(Xft.dpi 144), a ball dragged onto a neighbour that makes no line is
refused, one dragged onto a neighbour that makes one plays the replay
tool's move, and a move by two clicks right after plays as ever. Each drag is a press, several motion
events and a release, as a mouse or a finger gives them.

Usage: real_display_scale_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import sys
import tempfile

from xdisplay import (Program, Screen, ball_pictures, frozen, game_env, load_picture, makes_line, prepare_work,
                      private_display, refused_pair, replay_moves, drag, run, samples, sharp_error)

FROZEN = "2026-03-01 12:00:00"  # its first deal has moves left after its first two
LARGE_SCREEN = (2048, 1536)  # room for the window at scale 2 (1584 x 1144)
SHARP = 3  # the worst mean colour difference of a cell from its sharp ball over the sharp background


def play_at_scale(game_binary, source, work, display, scale, deal, moves):
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
    (first, settled), (second, settled_again) = moves

    with Program(frozen(FROZEN, [game_binary]), work, env) as game:
        screen = Screen(game, scale)
        screen.wait_board(balls, deal, f"scale {scale}: the deal of the frozen second")
        if scale == 2:
            shot, back = screen.shot(), load_picture(os.path.join(source, "assets", "runtime", "b1@2x.jpg"))
            worst = max(sharp_error(screen, shot, r, c, sharp[deal[r][c]], back) for r in range(8) for c in range(8))
            assert worst < SHARP, f"a cell differs from its sharp ball over the sharp background by {worst:.1f}"
            print(f"scale 2: every cell is its sharp ball over the sharp background (worst {worst:.1f})")
            return  # moves at 2 are played by the zoom and Wayland tests
        refused = refused_pair(deal)
        drag(screen, refused)
        # Had the refused drag been taken, or left a ball picked, the next
        # drag would not settle to the replay tool's board.
        drag(screen, first)
        screen.wait_board(balls, settled, f"scale {scale}: {refused} refused and {first} dragged")
        print(f"scale {scale}: {refused} dragged was refused; {first} dragged settled as the replay tool plays it")
        screen.play(second, balls)
        screen.wait_board(balls, settled_again, f"scale {scale}: {second} clicked after the drags")
        print(f"scale {scale}: {second} by two clicks right after settled as the replay tool plays it")


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    deal, moves, _ = replay_moves(replay, FROZEN, 2)
    for scale in (2, 1.5):  # a display each: one game's window never meets the next
        with tempfile.TemporaryDirectory(prefix="tumbaro-scale-") as work, private_display(LARGE_SCREEN) as display:
            prepare_work(source, work)
            play_at_scale(game_binary, source, work, display, scale, deal, moves)


if __name__ == "__main__":
    sys.exit(main())
