#!/usr/bin/env python3
"""One whole game on a real X server, driven by real mouse and key events.

The clock is frozen at a time whose first deal ends its game after one move,
so the seed is known. The test reads the deal off a screenshot and matches it
with the replay tool's, plays that move with two clicks, checks the settled
board against the replay tool, types a name into the dialog, checks both
table files on disk, and ends the program with Escape in the question.

Usage: real_display_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import shutil
import sys
import tempfile

from xdisplay import (HEIGHT, SCREEN_HEIGHT, SCREEN_WIDTH, WIDTH, Program, cell_origin, classify, game_env,
                      load_ball, private_display, replay_boards, run, screenshot, wait_for, window_geometry)

# 2026-03-01 12:09:26 UTC: the first deal ends its game after one move, for 30 points.
FROZEN = "2026-03-01 12:09:26"
SEED = 1772366966
NAMES = b"".join(b"Name%d\r\n" % i for i in range(10))
SCORES = b"".join(b"%d\r\n" % (100 - 10 * i) for i in range(10))


def board_lines(lines):
    return [[int(ch) for ch in line] for line in lines]


def cell_centre(origin, cell):
    """Screen point in the middle of a cell written as row and column digits from 1."""
    x, y = cell_origin(origin, int(cell[0]) - 1, int(cell[1]) - 1)
    return x + 25, y + 25


def cell_pixels(shot, origin, cell):
    x, y = cell_origin(origin, int(cell[0]) - 1, int(cell[1]) - 1)
    return b"".join(shot[((y + dy) * SCREEN_WIDTH + x) * 3:((y + dy) * SCREEN_WIDTH + x + 50) * 3]
                    for dy in range(50))


def main():
    game_binary, replay, source = sys.argv[1:4]
    deal = board_lines(replay_boards(replay, SEED, [])[1:9])
    played = replay_boards(replay, SEED, ["--auto", "1"])
    assert played[9].startswith("accepted") and played[18] == "game over score 30", played[9:19]
    move = played[9].split()[1]
    settled = board_lines(played[10:18])

    work = tempfile.mkdtemp(prefix="tumbaro-e2e-")
    try:
        runtime = os.path.join(source, "assets", "runtime")
        for name in ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV"]:
            shutil.copy(os.path.join(runtime, name), work)
        with open(os.path.join(work, "H.dat"), "wb") as f:
            f.write(NAMES)
        with open(os.path.join(work, "H2.dat"), "wb") as f:
            f.write(SCORES)
        balls = [load_ball(os.path.join(source, "assets", "Sxema1Big", f"{k}.png")) for k in range(8)]

        with private_display() as display:
            env = game_env(display, work)
            with Program(["faketime", "-m", "--exclude-monotonic", "-f", FROZEN, game_binary], work, env) as game:
                play(game, env, balls, deal, move, settled, work)
        return 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


def play(game, env, balls, deal, move, settled, work):
    geometry = window_geometry(env, game.window("^Tumbaro$"))
    assert (geometry["WIDTH"], geometry["HEIGHT"]) == (WIDTH, HEIGHT), geometry
    origin = (geometry["X"], geometry["Y"])

    seen = [None]

    def shows(board):
        seen[0] = classify(screenshot(env), origin, balls)
        return seen[0] == board

    assert wait_for(lambda: shows(deal)), game.failure(f"the screen never showed the deal of {SEED}: {seen[0]}")
    print(f"the board on screen is the deal of T = {SEED}")

    # Score box: dark text on the light box before any move.
    shot = screenshot(env)
    box = [shot[((origin[1] + 64 + y) * SCREEN_WIDTH + origin[0] + 592 + x) * 3]
           for y in range(8, 26) for x in range(60, 100)]
    assert min(box) < 100, "the score box shows no text"

    first, second = move.split("-")
    before = cell_pixels(shot, origin, first)
    run(["xdotool", "mousemove", *map(str, cell_centre(origin, first)), "click", "1"], env=env)
    # The picked ball is drawn shrunken: the second click follows the first's effect.
    assert wait_for(lambda: cell_pixels(screenshot(env), origin, first) != before), \
        game.failure(f"clicking {first} did not pick its ball")
    run(["xdotool", "mousemove", *map(str, cell_centre(origin, second)), "click", "1"], env=env)

    # The move ends the game; the name dialog opens in the middle of the
    # screen, over the board, so it is moved to a corner before the board is read.
    dialog = game.window("^HScore$")
    size = window_geometry(env, dialog)
    run(["xdotool", "windowmove", dialog, str(SCREEN_WIDTH - size["WIDTH"]), str(SCREEN_HEIGHT - size["HEIGHT"])],
        env=env)
    assert wait_for(lambda: shows(settled)), \
        game.failure(f"after {move} the screen shows {seen[0]}, the replay tool {settled}")
    print(f"move {move} settled as the replay tool plays it")

    game.keyboard_window("^HScore$")
    run(["xdotool", "type", "--delay", "30", "Annabelle"], env=env)  # nine letters: the box keeps eight
    run(["xdotool", "key", "Return"], env=env)
    game.keyboard_window("Game Over!!!")  # asked once the table is written
    with open(os.path.join(work, "H.dat"), "rb") as f:
        names = f.read()
    with open(os.path.join(work, "H2.dat"), "rb") as f:
        scores = f.read()
    # 30 ties the eighth entry, so the new one goes just below it.
    assert names == b"".join(b"Name%d\r\n" % i for i in range(8)) + b"Annabell\r\nName8\r\n", names
    assert scores == b"100\r\n90\r\n80\r\n70\r\n60\r\n50\r\n40\r\n30\r\n30\r\n20\r\n", scores
    print("the table took Annabell at place 9, below the equal 30, both files CR LF")

    run(["xdotool", "key", "Escape"], env=env)
    assert game.ended() == 0, game.failure("Escape in the question did not end the program cleanly")
    print("Escape in the question ended the program")


if __name__ == "__main__":
    sys.exit(main())
