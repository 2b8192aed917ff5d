#!/usr/bin/env python3
"""The zoom on a real X server: a window too tall for a laptop screen opens
whole and is played there; --fullscreen, Esc and F11; 150 % and 200 % at
scale 1 are the very pictures of scales 1.5 and 2; S draws the symbols.

Usage: zoom_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import contextlib
import os
import subprocess
import sys

from xdisplay import (HEIGHT, WIDTH, Program, Screen, ball_samples, frozen, private_game, refused_pair,
                      replay_moves, run, wait_for, window_geometry, windows)

FROZEN = "2026-03-01 12:00:00"  # its first deal has moves left after its first two
LAPTOP, FULL_HD, LARGE_SCREEN = (1366, 768), (1920, 1080), (2048, 1536)


@contextlib.contextmanager
def game_on(paths, screen, scale, *args):
    """Yields the game of the frozen second, started with `args` on a private
    `screen` at a desktop `scale`, its deal and the replay tool's first two
    moves."""
    game_binary, replay, source = paths
    with private_game(source, screen) as (work, env):
        # The desktop's scale, set the way a desktop sets it.
        run(["xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
             "Xft.dpi:\t%d\n" % round(96 * scale)], env=env)
        with Program(frozen(FROZEN, [game_binary, *args]), work, env) as game:
            yield (game, *replay_moves(replay, FROZEN, 2)[:2])


def new_window(game, holds):
    # A zoom makes the window anew, and the old one may vanish as it is read.
    def geometry(window):
        with contextlib.suppress(subprocess.CalledProcessError):
            return window_geometry(game.env, window)
        return {}
    window = wait_for(lambda: next((w for w in windows(game.env, "^Tumbaro$") if holds(geometry(w))), None))
    assert window, game.failure("the window was not made anew")
    run(["xdotool", "windowfocus", "--sync", window], env=game.env)
    return window


def play_two_moves(screen, balls, deal, moves, what):
    """A refused drag, the first move dragged and the second by two clicks."""
    (first, settled), (second, settled_again) = moves
    refused = refused_pair(deal)
    screen.wait_board(balls, deal, f"{what}: the deal of the frozen second")
    screen.drag(refused)
    # Had the refused drag been taken, or left a ball picked, the next drag
    # would not settle to the replay tool's board.
    screen.drag(first)
    screen.wait_board(balls, settled, f"{what}: {refused} refused and {first} dragged")
    screen.play(second, balls)
    screen.wait_board(balls, settled_again, f"{what}: {second} clicked after the drags")


def fits_the_laptop(paths):
    scale = 1.5 * 0.89  # the largest whole percent at which 858 pixels fit in 768
    with game_on(paths, LAPTOP, 1.5) as (game, deal, moves):
        screen = Screen(game, scale)
        g = screen.geometry
        assert min(g["X"], g["Y"], LAPTOP[0] - g["X"] - g["WIDTH"], LAPTOP[1] - g["Y"] - g["HEIGHT"]) >= 0, \
            f"the window {g} is not whole on the {LAPTOP} screen"
        play_two_moves(screen, ball_samples(paths[2], scale), deal, moves, "at 89 % of 1.5")
        exit_button = [str(g["X"] + round(scale * 777)), str(g["Y"] + round(scale * 12))]
        run(["xdotool", "mousemove", *exit_button, "click", "1"], env=game.env)
        assert game.ended() == 0, game.failure("the exit button did not end the game")


def full_screen(paths):
    # The last pixel may fall to rounding where no window manager sizes it.
    whole = lambda g: g.get("X") == g.get("Y") == 0 and g["WIDTH"] >= FULL_HD[0] - 1
    with game_on(paths, FULL_HD, 1, "--fullscreen") as (game, deal, moves):
        screen = Screen(game, window=new_window(game, whole))
        screen.fill()
        play_two_moves(screen, ball_samples(paths[2], screen.zoom), deal, moves, "in full screen")
        run(["xdotool", "key", "Escape"], env=game.env)
        new_window(game, lambda g: (g.get("WIDTH"), g.get("HEIGHT")) == (WIDTH, HEIGHT))
        run(["xdotool", "key", "F11"], env=game.env)
        new_window(game, whole)


def shot_at(paths, scale, zoom_keys, shown):
    """The window at a desktop `scale` after `zoom_keys` steps in, `shown`
    device pixels a layout pixel; then S draws the symbols."""
    with game_on(paths, LARGE_SCREEN, scale) as (game, deal, _):
        window = game.keyboard_window("^Tumbaro$")
        for _ in range(zoom_keys):
            before = window_geometry(game.env, window)["WIDTH"]
            run(["xdotool", "key", "ctrl+plus"], env=game.env)
            window = new_window(game, lambda g: g.get("WIDTH", 0) > before)
        screen = Screen(game, shown)
        pictures = None if shown == 1 else shown  # at 1 the ordinary pictures
        plain = ball_samples(paths[2], pictures)
        screen.wait_board(plain, deal, f"at scale {scale} after {zoom_keys} zoom steps")
        shot = screen.shot()
        screen.keys(["s"])
        # A symbol's picture is 25 to 51 from its plain ball's: no plain ball reads as one.
        screen.wait_board(ball_samples(paths[2], pictures, "symbols/Sxema1Big"), deal, f"at {shown}: the symbols after S")
        return shot


def main():
    paths = list(map(os.path.abspath, sys.argv[1:4]))
    fits_the_laptop(paths)
    full_screen(paths)
    shot_at(paths, 1, 0, 1)
    # A display each: one game's window never meets the next. A desktop scale
    # and the zoom steps that give it at scale 1 draw the very same pixels.
    for scale, steps in ((1.5, 2), (2, 4)):
        shots = [shot_at(paths, scale, 0, scale), shot_at(paths, 1, steps, scale)]
        differing = sum(a != b for a, b in zip(*shots))
        assert len(shots[0]) == len(shots[1]) and differing == 0, \
            f"{round(100 * scale)} % at scale 1 differs from scale {scale} in {differing} values"


if __name__ == "__main__":
    sys.exit(main())
