#!/usr/bin/env python3
"""The game under three desktop languages on a real X server: under German
the word pictures are the German drawings and the board is the one the same
second deals under C; under C and under US English the window is the same,
pixel for pixel, with the English pictures.

Usage: language_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import sys
import tempfile

from xdisplay import (BOARD, CLOSE, PITCH, Program, Screen, first_move, frozen, game_env, load_picture,
                      prepare_work, private_display, samples)

FROZEN = "2026-03-01 12:00:00"
# The pictures with words: where the window shows them, and their files.
WORDS = {(592, 8): "controls/Image10.png", (280, 448): "controls/Image14.png",
         (488, 504): "controls/Image15.png", (152, 504): "controls/Image16.png"}
BOARD_SIDE = 8 * PITCH


def shows(screen, shot, left, top, path):
    """Whether the window shows the picture's own (non-white) pixels there."""
    width, height, rgba = load_picture(path)
    ink = samples((width, height, rgba), step=1)
    return screen.distance(shot, left, top, ink) < CLOSE


def board_pixels(shot, width):
    rows = range(BOARD[1], BOARD[1] + BOARD_SIDE)
    return b"".join(shot[(y * width + BOARD[0]) * 3:(y * width + BOARD[0] + BOARD_SIDE) * 3] for y in rows)


def run_under(lang, game_binary, replay, source, deal):
    balls = [samples(load_picture(os.path.join(source, "assets", "Sxema1Big", f"{k}.png"))) for k in range(8)]
    with tempfile.TemporaryDirectory(prefix="tumbaro-lang-") as work, private_display() as display:
        prepare_work(source, work)
        env = dict(game_env(display, work), LANG=lang)
        for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            env.pop(name, None)
        with Program(frozen(FROZEN, [game_binary]), work, env) as game:
            screen = Screen(game)
            screen.wait_board(balls, deal, f"{lang}: the deal of the frozen second")
            return screen, screen.shot()


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    deal = first_move(replay, FROZEN)[0]
    english = lambda name: os.path.join(source, "assets", name)
    german = lambda name: os.path.join(source, "assets", "languages", "de", name)

    c_screen, c_shot = run_under("C.UTF-8", game_binary, replay, source, deal)
    us_screen, us_shot = run_under("en_US.UTF-8", game_binary, replay, source, deal)
    de_screen, de_shot = run_under("de_DE.UTF-8", game_binary, replay, source, deal)

    assert us_shot == c_shot, "under en_US the window differs from the one under C"
    width = c_screen.geometry["WIDTH"]
    assert board_pixels(de_shot, width) == board_pixels(c_shot, width), "the German board differs from C's"
    for (left, top), name in WORDS.items():
        assert shows(c_screen, c_shot, left, top, english(name)), f"C: {name} is not the English picture"
        assert shows(de_screen, de_shot, left, top, german(name)), f"de: {name} is not the German picture"
        assert not shows(de_screen, de_shot, left, top, english(name)), f"de: {name} is still English"
    print("C and en_US: the same window, English pictures; de_DE: German pictures, the same board")


if __name__ == "__main__":
    sys.exit(main())
