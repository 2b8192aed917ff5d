#!/usr/bin/env python3
"""The zoom on a real X server. On a laptop screen of 1366 x 768 at a desktop
scale of 1.5 the window, too tall at 100 %, opens whole on the screen at the
largest zoom that fits, shows the deal at its scaled places, and its top-right
exit button ends the game. At a scale of 1, Ctrl+plus twice draws the very
picture a desktop scale of 1.5 draws at 100 %.

Usage: zoom_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import sys
import tempfile

from xdisplay import (WIDTH, HEIGHT, Program, Screen, first_move, frozen, game_env, load_picture, prepare_work,
                      private_display, run, samples, wait_for, window_geometry)

FROZEN = "2026-03-01 12:00:00"
LAPTOP = (1366, 768)
LARGE_SCREEN = (2048, 1536)


def desktop_scale(env, scale):
    run(["xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
         "Xft.dpi:\t%d\n" % round(96 * scale)], env=env)


def balls_at(source, scale):
    return [samples(load_picture(os.path.join(source, "assets", "Sxema1Big", f"{k}@2x.png"),
                                 (round(51 * scale), round(50 * scale)))) for k in range(8)]


def fits_the_laptop(game_binary, replay, source, work, display):
    env = game_env(display, work)
    desktop_scale(env, 1.5)
    deal = first_move(replay, FROZEN)[0]
    scale = 1.5 * 0.89  # the largest whole percent at which 858 pixels fit in 768
    with Program(frozen(FROZEN, [game_binary]), work, env) as game:
        screen = Screen(game, scale)
        g = screen.geometry
        assert g["X"] >= 0 and g["Y"] >= 0 and g["X"] + g["WIDTH"] <= LAPTOP[0] and g["Y"] + g["HEIGHT"] <= LAPTOP[1], \
            f"the window {g} is not whole on the {LAPTOP} screen"
        screen.wait_board(balls_at(source, scale), deal, "at 89 %: the deal of the frozen second")
        exit_button = round(scale * (765 + 12)), round(scale * 12)
        run(["xdotool", "mousemove", str(g["X"] + exit_button[0]), str(g["Y"] + exit_button[1]), "click", "1"],
            env=env)
        assert game.ended() == 0, game.failure("the exit button did not end the game")
    print(f"a {LAPTOP} screen at 1.5: the window opens whole at 89 %, and its exit button can be clicked")


def shot_at(game_binary, replay, source, work, display, scale, zoom_keys):
    """The window as a game at desktop `scale` shows the frozen deal, after
    `zoom_keys` Ctrl+plus presses."""
    env = game_env(display, work)
    desktop_scale(env, scale)
    deal = first_move(replay, FROZEN)[0]
    with Program(frozen(FROZEN, [game_binary]), work, env) as game:
        window = game.keyboard_window("^Tumbaro$")
        Screen(game, scale)
        for _ in range(zoom_keys):
            before = window_geometry(env, window)["WIDTH"] if window else None
            run(["xdotool", "key", "ctrl+plus"], env=env)
            # The window is made anew at each zoom: wait for the new one.
            window = wait_for(lambda: next((w for w in run(["xdotool", "search", "--onlyvisible", "--name",
                                                            "^Tumbaro$"], env=env).split()
                                            if window_geometry(env, w)["WIDTH"] > before), None))
            assert window, game.failure("Ctrl+plus did not make the window larger")
            run(["xdotool", "windowfocus", "--sync", window], env=env)
        screen = Screen(game, 1.5)
        screen.wait_board(balls_at(source, 1.5), deal, f"at scale {scale} after {zoom_keys} zoom steps")
        return screen.shot()


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    with tempfile.TemporaryDirectory(prefix="tumbaro-zoom-") as work, private_display(LAPTOP) as display:
        prepare_work(source, work)
        fits_the_laptop(game_binary, replay, source, work, display)
    shots = []
    for scale, keys in ((1.5, 0), (1, 2)):  # a display each: one game's window never meets the next
        with tempfile.TemporaryDirectory(prefix="tumbaro-zoom-") as work, private_display(LARGE_SCREEN) as display:
            prepare_work(source, work)
            shots.append(shot_at(game_binary, replay, source, work, display, scale, keys))
    differing = sum(a != b for a, b in zip(*shots))
    assert len(shots[0]) == len(shots[1]) == 3 * round(1.5 * WIDTH) * round(1.5 * HEIGHT)
    assert differing == 0, f"150 % at scale 1 differs from scale 1.5 in {differing} colour values"
    print("150 % at a desktop scale of 1 draws the very picture a desktop scale of 1.5 draws")


if __name__ == "__main__":
    sys.exit(main())
