#!/usr/bin/env python3
"""Nothing the player has is lost when the program is ended from outside:
a high score waiting for its name on SIGTERM or when the X server goes away,
a game in progress killed outright.

Usage: nothing_lost_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import contextlib
import os
import pathlib
import signal
import sys

from xdisplay import (Program, Screen, ball_samples, clipboard, frozen, game_env, private_game, replay_moves, run,
                      start_xvfb, stop_process, wait_for, work_folder)

PLAYING = "2026-03-01 12:00:00"  # its first deal has moves left after the first
FIRST_POINTS = "15"  # what that first move scores
ELSEWHEN = "2026-03-01 12:00:01"  # deals another board
# The first deal of this second ends its game after one move, for 30 points:
# place 9 against the table below, just under the equal 30.
ENDING = "2026-03-01 12:09:26"
POINTS = 30
TABLE = [(f"Name{i}", 100 - 10 * i) for i in range(10)]
FILES = ("H.dat", "H2.dat")


def kept_game(work):
    """The fields of the game kept for the next start, or None."""
    path = pathlib.Path(work, "config", "tumbaro", "game")
    try:
        return dict(line.split(" ", 1) for line in path.read_text().splitlines()[1:])
    except FileNotFoundError:
        return None


def cells(board):
    return "".join(str(colour) for row in board for colour in row)


def ending_move(replay):
    """The deal of ENDING and the one move that ends its game."""
    deal, [(move, _)], after = replay_moves(replay, ENDING)
    assert after[:1] == [f"game over score {POINTS}"], after[:1]
    return deal, move


def _files(table):
    """The names file and the scores file of `table`, CR LF lines."""
    return b"".join(name.encode() + b"\r\n" for name, _ in table), b"".join(b"%d\r\n" % score for _, score in table)


def write_table(work):
    for name, data in zip(FILES, _files(TABLE)):
        pathlib.Path(work, name).write_bytes(data)


def assert_table(work, name, what):
    """Fails unless the table on disk is TABLE with `name` at place 9 for POINTS."""
    expected = _files(TABLE[:8] + [(name, POINTS)] + TABLE[8:9])
    found = tuple(pathlib.Path(work, file).read_bytes() for file in FILES)
    assert found == expected, f"{what}: the table on disk is {found}, not {expected}"


@contextlib.contextmanager
def start_to_name_box(game_binary, work, env, ending, balls, by_keys=False):
    """The game started under ENDING, its `ending` move played with the mouse
    or the keys, once the name box has the keyboard, for a `with` block."""
    deal, move = ending
    with Program(frozen(ENDING, [game_binary]), work, env) as game:
        screen = Screen(game)
        screen.wait_board(balls, deal, "the deal of the ending second, anew")
        if by_keys:
            game.keyboard_window("^Tumbaro$")
        screen.play(move, balls, by_keys)
        game.keyboard_window("^HScore$")
        yield game


def type_name(game, name):
    """Types `name` into the name box and waits until the box holds it. The
    keys come over the game's X connection, a signal does not: only once the
    box's own copy (Ctrl+A, Ctrl+C) gives the name back can a signal no
    longer overtake the last key."""
    run(["xdotool", "type", "--delay", "30", name], env=game.env)
    run(["xdotool", "key", "ctrl+a", "ctrl+c"], env=game.env)
    assert wait_for(lambda: clipboard(game.env) == name.encode()), \
        game.failure(f"the name box never held {name!r}: its copy is {clipboard(game.env)!r}")


def sigterm_with_name_box_open(game_binary, work, env, ending, balls):
    with start_to_name_box(game_binary, work, env, ending, balls, by_keys=True) as game:
        type_name(game, "Kim")
        os.kill(game.proc.pid, signal.SIGTERM)
        assert game.ended() == 0, game.failure("SIGTERM with the name box open did not end the program cleanly")
    assert_table(work, "Kim", "SIGTERM with the name box open")


def killed_and_resumed(game_binary, work, env, playing, balls):
    deal, [(move, settled)], _ = playing
    with Program(frozen(PLAYING, [game_binary]), work, env) as game:
        screen = Screen(game)
        screen.wait_board(balls, deal, "the deal of the playing second")
        screen.play(move, balls)
        screen.wait_board(balls, settled, f"{move} played with the mouse")
        saved = wait_for(lambda: (kept_game(work) or {}).get("board") == cells(settled) and kept_game(work))
        assert saved, game.failure(f"the settled board was never kept: {kept_game(work)}")
        assert (saved["score"], saved["undo"], saved["undo-board"]) == (FIRST_POINTS, "yes", cells(deal)), saved
        os.kill(game.proc.pid, signal.SIGKILL)
        game.ended()

    with Program(frozen(ELSEWHEN, [game_binary]), work, env) as game:
        Screen(game).wait_board(balls, settled, "the start after a kill, under another second")


def display_gone(game_binary, source, ending, balls):
    with work_folder(source) as work:
        write_table(work)
        xvfb, display = start_xvfb()
        try:
            with start_to_name_box(game_binary, work, game_env(display, work), ending, balls) as game:
                type_name(game, "Dee")
                stop_process(xvfb)
                status = game.ended()
        finally:
            stop_process(xvfb)
        assert_table(work, "Dee", "the X server gone with the name box open")
    print(f"the X server gone with the name box open: the game ended (status {status}), the typed name entered")


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    ending, playing = ending_move(replay), replay_moves(replay, PLAYING)
    elsewhen = replay_moves(replay, ELSEWHEN)[0]
    assert elsewhen not in (playing[0], playing[1][0][1]), "the other second deals the same board"
    balls = ball_samples(source)
    with private_game(source) as (work, env):
        write_table(work)
        sigterm_with_name_box_open(game_binary, work, env, ending, balls)
        killed_and_resumed(game_binary, work, env, playing, balls)
    display_gone(game_binary, source, ending, balls)


if __name__ == "__main__":
    sys.exit(main())
