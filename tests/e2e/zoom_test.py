#!/usr/bin/env python3
"""The zoom on a real X server: a window too tall for a laptop screen at 1.5
opens whole and playable; F11 and Esc; 150 % and 200 % at scale 1 are the
pictures of scales 1.5 and 2.
Usage: zoom_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR"""
import contextlib
import os
import subprocess
import sys
import tempfile

from xdisplay import (Program, Screen, ball_samples, desktop_scale, drag, frozen, replay_moves, game_env, prepare_work,
                      private_display, run, visible_windows, wait_for, window_geometry)

FROZEN = "2026-03-01 12:00:00"
LAPTOP, FULL_HD, LARGE_SCREEN = (1366, 768), (1920, 1080), (2048, 1536)


@contextlib.contextmanager
def game_on(paths, screen, scale):
    """Yields the game of the frozen second on a private `screen` at `scale`, and its first move."""
    game_binary, replay, source = paths
    with tempfile.TemporaryDirectory(prefix="tumbaro-zoom-") as work, private_display(screen) as display:
        prepare_work(source, work)
        env = game_env(display, work)
        desktop_scale(env, scale)
        with Program(frozen(FROZEN, [game_binary]), work, env) as game:
            yield game, replay_moves(replay, FROZEN)


def new_window(game, holds):
    # A zoom makes the window anew, and the old one may vanish as it is read.
    def geometry(window):
        with contextlib.suppress(subprocess.CalledProcessError):
            return window_geometry(game.env, window)
        return {}
    window = wait_for(lambda: next((w for w in visible_windows(game.env, "^Tumbaro$") if holds(geometry(w))), None))
    assert window, game.failure("the window was not made anew")
    run(["xdotool", "windowfocus", "--sync", window], env=game.env)
    return window


def fits_the_laptop(paths):
    scale = 1.5 * 0.89  # the largest whole percent at which 858 pixels fit in 768
    with game_on(paths, LAPTOP, 1.5) as (game, (deal, *_)):
        screen = Screen(game, scale)
        g = screen.geometry
        assert min(g["X"], g["Y"], LAPTOP[0] - g["X"] - g["WIDTH"], LAPTOP[1] - g["Y"] - g["HEIGHT"]) >= 0, \
            f"the window {g} is not whole on the {LAPTOP} screen"
        screen.wait_board(ball_samples(paths[2], scale), deal, "at 89 %: the deal of the frozen second")
        exit_button = [str(g["X"] + round(scale * 777)), str(g["Y"] + round(scale * 12))]
        run(["xdotool", "mousemove", *exit_button, "click", "1"], env=game.env)
        assert game.ended() == 0, game.failure("the exit button did not end the game")
    print(f"a {LAPTOP} screen at 1.5: the window opens whole at 89 %, and its exit button can be clicked")


def full_screen(paths):
    deal, [(first, settled), (second, settled_again)] = replay_moves(paths[1], FROZEN, 2)[:2]
    with game_on(paths, FULL_HD, 1) as (game, _):
        before = window_geometry(game.env, game.keyboard_window("^Tumbaro$"))
        run(["xdotool", "key", "F11"], env=game.env)
        # The last pixel may fall to rounding where no window manager sizes it.
        layout = Screen(game, window=new_window(game, lambda g: g.get("X") == g.get("Y") == 0
                                                and g["WIDTH"] >= FULL_HD[0] - 1))
        layout.fill()
        balls = ball_samples(paths[2], layout.zoom)
        layout.wait_board(balls, deal, "in full screen: the deal of the frozen second")
        drag(layout, first)
        layout.wait_board(balls, settled, f"in full screen: {first} dragged, as the replay tool plays it")
        layout.play(second, balls)
        layout.wait_board(balls, settled_again, f"in full screen: {second} clicked, as the replay tool plays it")
        run(["xdotool", "key", "Escape"], env=game.env)
        new_window(game, lambda g: g == before)
    print("F11 fills a 1920 x 1080 screen, a drag and a click move at the scaled places, Esc brings the window back")


def shot_at(paths, scale, zoom_keys, shown):
    """The window at a desktop `scale` after `zoom_keys` steps in, `shown`
    device pixels a layout pixel."""
    with game_on(paths, LARGE_SCREEN, scale) as (game, (deal, *_)):
        window = game.keyboard_window("^Tumbaro$")
        for _ in range(zoom_keys):
            before = window_geometry(game.env, window)["WIDTH"]
            run(["xdotool", "key", "ctrl+plus"], env=game.env)
            window = new_window(game, lambda g: g.get("WIDTH", 0) > before)
        screen = Screen(game, shown)
        screen.wait_board(ball_samples(paths[2], shown), deal, f"at scale {scale} after {zoom_keys} zoom steps")
        return screen.shot()


def main():
    paths = list(map(os.path.abspath, sys.argv[1:4]))
    fits_the_laptop(paths)
    full_screen(paths)
    # A display each: one game's window never meets the next. A desktop scale
    # and the zoom steps that give it at scale 1 draw the very same pixels.
    for scale, steps in ((1.5, 2), (2, 4)):
        shots = [shot_at(paths, scale, 0, scale), shot_at(paths, 1, steps, scale)]
        differing = sum(a != b for a, b in zip(*shots))
        zoom = f"{round(100 * scale)} %"
        assert len(shots[0]) == len(shots[1]) and differing == 0, \
            f"{zoom} at scale 1 differs from scale {scale} in {differing} values"
        print(f"{zoom} at a desktop scale of 1 draws the very picture a desktop scale of {scale} draws")


if __name__ == "__main__":
    sys.exit(main())
