#!/usr/bin/env python3
"""The zoom on a real X server. On a laptop screen of 1366 x 768 at a desktop
scale of 1.5 the window, too tall at 100 %, opens whole on the screen at the
largest zoom that fits, shows the deal at its scaled places, and its top-right
exit button ends the game. F11 fills a 1920 x 1080 screen, where the board
plays at its scaled places, and Esc brings the window back. At a scale of 1,
Ctrl+plus twice draws the very picture a desktop scale of 1.5 draws at 100 %.

Usage: zoom_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import subprocess
import sys
import tempfile

from xdisplay import (BOARD, PITCH, WIDTH, HEIGHT, Program, Screen, first_move, frozen, game_env, load_picture, prepare_work,
                      private_display, run, samples, visible_windows, wait_for, window_geometry)

FROZEN = "2026-03-01 12:00:00"
LAPTOP = (1366, 768)
LARGE_SCREEN = (2048, 1536)
FULL_HD = (1920, 1080)


def desktop_scale(env, scale):
    run(["xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
         "Xft.dpi:\t%d\n" % round(96 * scale)], env=env)


def new_window(game, differs):
    """The game's window once it is made anew and `differs(geometry)` holds of
    it: a zoom makes the window anew, and the old one may vanish as it is read."""
    def found():
        for window in visible_windows(game.env, "^Tumbaro$"):
            got = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], env=game.env,
                                 capture_output=True, text=True)
            fields = dict(line.split("=") for line in got.stdout.split())
            if got.returncode == 0 and differs({k: int(fields[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")}):
                return window
        return None
    window = wait_for(found)
    assert window, game.failure("the window was not made anew")
    run(["xdotool", "windowfocus", "--sync", window], env=game.env)
    return window


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


def full_screen(game_binary, replay, source, work, display):
    """F11 on a 1920 x 1080 screen: the window fills it, the layout in the
    middle at 188 %, the deal read and a move clicked at the scaled places;
    Esc brings the window back as it was."""
    env = game_env(display, work)
    desktop_scale(env, 1)
    deal, move, settled, _ = first_move(replay, FROZEN)
    with Program(frozen(FROZEN, [game_binary]), work, env) as game:
        window = game.keyboard_window("^Tumbaro$")
        before = window_geometry(env, window)
        run(["xdotool", "key", "F11"], env=env)
        # The last pixel may fall to rounding where no window manager sizes it.
        new_window(game, lambda g: g["X"] == g["Y"] == 0 and g["WIDTH"] >= FULL_HD[0] - 1
                   and g["HEIGHT"] >= FULL_HD[1] - 1)
        scale = 1.88
        logical = round(FULL_HD[0] / scale), round(FULL_HD[1] / scale)
        origin = (logical[0] - WIDTH) // 2, (logical[1] - HEIGHT) // 2  # the layout's place, window pixels
        layout = Screen.__new__(Screen)  # the whole screen, its cells where the layout puts them
        layout.game, layout.env, layout.scale, layout.seen = game, env, scale, None
        layout.geometry = {"X": 0, "Y": 0, "WIDTH": FULL_HD[0], "HEIGHT": FULL_HD[1]}
        layout.cell = lambda r, c: (round(scale * (origin[0] + BOARD[0] + PITCH * c)),
                                    round(scale * (origin[1] + BOARD[1] + PITCH * r)))
        balls = balls_at(source, scale)
        layout.wait_board(balls, deal, "in full screen: the deal of the frozen second")
        layout.play(move, balls)
        layout.wait_board(balls, settled, f"in full screen: {move} played by clicks, as the replay tool plays it")
        run(["xdotool", "key", "Escape"], env=env)
        new_window(game, lambda g: g == before)
    print("F11 fills a 1920 x 1080 screen, the board plays at its scaled places, Esc brings the window back")


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
            before = window_geometry(env, window)["WIDTH"]
            run(["xdotool", "key", "ctrl+plus"], env=env)
            window = new_window(game, lambda g: g["WIDTH"] > before)
        screen = Screen(game, 1.5)
        screen.wait_board(balls_at(source, 1.5), deal, f"at scale {scale} after {zoom_keys} zoom steps")
        return screen.shot()


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    with tempfile.TemporaryDirectory(prefix="tumbaro-zoom-") as work, private_display(LAPTOP) as display:
        prepare_work(source, work)
        fits_the_laptop(game_binary, replay, source, work, display)
    with tempfile.TemporaryDirectory(prefix="tumbaro-zoom-") as work, private_display(FULL_HD) as display:
        prepare_work(source, work)
        full_screen(game_binary, replay, source, work, display)
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
