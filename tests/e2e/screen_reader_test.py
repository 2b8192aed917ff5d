#!/usr/bin/env python3
"""What a blind player hears, with a real Orca listening: a game played from
the keyboard alone, by ear, through its end, the high score, the question,
a new deal, undo, a new game, a hint, a scheme and the sound switch. Played
twice: with sound on, and with sound switched off in the settings store
before the start.

The clock is frozen at a second whose first deal ends its game after one
move, so the replay tool knows each deal and move. Every step waits until
Orca has said what the step must make it say, and fails with what it did say.

Usage: screen_reader_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import calendar
import os
import pathlib
import re
import sys
import tempfile
import time

import screen_reader
from high_score_end import ENDING, assert_table, with_entries, write_table
from xdisplay import ARROWS, frozen, makes_line, prepare_work, run

SKIPPED = 77

# What the replay tool plays from the frozen second; the phrases below were
# worked out for these moves.
ENDING_MOVE = "accepted 14-24 score 30 lines 2 cascades 1"
NEXT_MOVE = "accepted 41-42 score 15 lines 1 cascades 0"

# What Orca must say. It adds a control's role, as in "... push button.".
WINDOW = "Tumbaro."
SPHERES = ["silver sphere with a red seam", "gold and brown checked sphere", "blue sphere with gold flecks",
           "dark green sphere", "white sphere with rust speckles", "green and blue sphere",
           "red and grey woven sphere", "pink sphere"]
CELL = "Row {}, column {}: {}"
CURSOR = re.compile(r"^Row (\d), column (\d): ")
CELL_HELP = "Pick a ball, then a neighbour"  # said the first time, no more
SELECTED = re.compile(r"(?<!not )\bselected\b")
REFUSED = "No line, not swapped."
ENDING_REPORT = re.compile(r"Line of three: white sphere with rust speckles, 15 points\. Cascade 1\. "
                           r"Line of three: [a-z ]+, 15 points\. Score 30\.")
NAME_BOX = ["New high score", "No moves left. Score 30, place 9 in the table.", "Your name"]
NAME = "Lina"
QUESTION = ["Game over", "Do you want to play again?", "Score 30", "Yes push button"]
OTHER_BUTTONS = ["No push button", "Cancel push button"]  # heard with Tab
NEW_GAME = "New game."
NEXT_REPORT = "Line of three: silver sphere with a red seam, 15 points. Score 15."
UNDONE = "Move taken back. Score 0."
HINT = re.compile(r"Hint: swap Row (\d), column (\d): [a-z ]+ with Row (\d), column (\d): [a-z ]+\.")  # two neighbours
CONES = "Cones."
SWITCHED = {True: "Sound off.", False: "Sound on."}  # M, by whether sound was on

# The settings store with sound switched off: the game's key, its scheme and sound.
SOUND_OFF = "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Helvorin]\nScheme=REG_SZ:1\nSound=REG_SZ:0\n"


def two_deals(replay):
    """The first deal, its move, and the move of the deal after the game it
    ends: a new game within the same second is dealt the next number."""
    seed = calendar.timegm(time.strptime(ENDING, "%Y-%m-%d %H:%M:%S"))
    lines = run([replay, str(seed), "--auto", "1"]).splitlines()
    following = run([replay, str(seed + 1), "--auto", "1"]).splitlines()
    board = lambda rows: [[int(ch) for ch in row] for row in rows]
    assert [lines[9], lines[18], following[9]] == [ENDING_MOVE, "game over score 30", NEXT_MOVE], \
        f"the replay tool now plays {lines[9]!r}, {lines[18]!r}, {following[9]!r}: the phrases need working out anew"
    cells = lambda move: [(int(cell[0]), int(cell[1])) for cell in move.split()[1].split("-")]
    return board(lines[1:9]), cells(ENDING_MOVE), cells(NEXT_MOVE)


def heard(session, key, phrase, what):
    """Presses `key` and waits until Orca has said `phrase`; that utterance,
    as (place, text)."""
    return session.wait_said(phrase, session.keys(key), what)


def arrow(session, key, what):
    """One arrow key; the cell Orca then names, as (row, column)."""
    _, said = heard(session, key, CURSOR, what)
    return tuple(int(n) for n in CURSOR.match(said).groups())


def cursor_to(session, at, target, what):
    """Moves the cursor from `at` to `target` an arrow at a time, each step
    heard. A cursor the game hid shows up where it will: every step goes by
    the cell Orca named last."""
    for _ in range(16):
        if at == target:
            return
        step = (1 if target[0] > at[0] else -1, 0) if target[0] != at[0] else (0, 1 if target[1] > at[1] else -1)
        at = arrow(session, ARROWS[step], what)
    raise AssertionError(f"{what}: the cursor never reached row {target[0]}, column {target[1]}")


def play(session, sound_on, deal, ending, next_move, work):
    session.keyboard_window("^Tumbaro$", 0)
    session.wait_said(WINDOW, 0, "the game's window took the keyboard")

    # Along row 1, where the ending move starts, to the ball left of its
    # first; that one is picked, and the swap with the next one refused.
    (r, c) = ending[0]
    assert not makes_line(deal, (r - 1, c - 2), (r - 1, c - 1)), "the deal changed: the refused swap makes a line"
    named = lambda column: CELL.format(r, column, SPHERES[deal[r - 1][column - 1]])
    for column in range(1, c):  # the first arrow only shows the cursor, the next ones move it
        heard(session, "Right", named(column), f"Right towards row {r}, column {column}")
    heard(session, "space", SELECTED, "Space picked the ball under the cursor")
    heard(session, "Right", named(c), f"Right onto row {r}, column {c}")
    print("each arrow key's cell named with the ball it shows, the pick heard as selected")
    heard(session, "space", REFUSED, f"the swap of row {r}, columns {c - 1} and {c} makes no line")
    print("a swap that makes no line heard as refused")

    heard(session, "space", SELECTED, "Space picked the ball again")
    cursor_to(session, (r, c), ending[1], "the way to the second ball of the move")
    mark = session.keys("space")
    session.wait_said(ENDING_REPORT, mark, f"the move {ENDING_MOVE}")
    print("the move that ends the game heard as its lines, cascade and score")

    session.keyboard_window("^HScore$", mark)
    for phrase in NAME_BOX:
        session.wait_said(phrase, mark, "the name box of the high score")
    run(["xdotool", "type", "--delay", "40", NAME], env=session.env)
    mark = session.keys("Return")
    session.keyboard_window("Game Over!!!", mark)  # its title, padded with spaces
    assert_table(work, with_entries(NAME), f"{NAME} typed into the name box")
    print(f"the name box heard with its score and place; {NAME} took place 9 in the table on disk")

    for phrase in QUESTION:
        session.wait_said(phrase, mark, "the question after the game")
    for phrase in OTHER_BUTTONS:
        heard(session, "Tab", phrase, "Tab in the question")
    # Y answers Yes wherever the focus is, here on Cancel.
    mark = session.keys("y")
    session.wait_said(NEW_GAME, mark, "Y in the question")
    session.keyboard_window("^Tumbaro$", mark)
    back, _ = session.wait_said(WINDOW, mark, "the game's window back after the question")
    (r, c) = ending[1]
    session.wait_said(re.compile(rf"^Row {r}, column {c}: .* push button"), back,
                      "the cursor's cell read again once the window is back")
    print("the question heard with its score and its three buttons; Y for Yes dealt a new game, "
          "and the reader is back on the cursor's cell")

    # The cursor stood on the ending move's second ball, if the game kept it.
    cursor_to(session, ending[1], next_move[0], "the way to the next deal's move")
    heard(session, "space", SELECTED, "Space picked the first ball of the next deal's move")
    cursor_to(session, next_move[0], next_move[1], "the way to the next deal's second ball")
    _, report = heard(session, "space", NEXT_REPORT, f"the move {NEXT_MOVE}")
    assert "Cascade" not in report, f"a move without a cascade was heard as {report!r}"
    heard(session, "u", UNDONE, "U after the move")
    heard(session, "n", NEW_GAME, "N")
    _, hint = heard(session, "h", HINT, "H")
    r1, c1, r2, c2 = map(int, HINT.search(hint).groups())
    assert abs(r1 - r2) + abs(c1 - c2) == 1, f"the hint names cells that are not neighbours: {hint!r}"
    heard(session, "2", CONES, "key 2")
    heard(session, "m", SWITCHED[sound_on], "M")
    print("the next deal's move, undo, a new game, a hint, a scheme and the sound switch all heard")

    session.keys("ctrl+q")
    assert session.game.ended() == 0, session.game.failure("Ctrl+Q did not end the program cleanly")
    said = session.spoken()
    reports = [text for text in said if ENDING_REPORT.search(text) or NEXT_REPORT in text]
    assert len(reports) == 2, f"two moves were heard as {len(reports)} reports: {reports}"
    helps = [text for text in said if CELL_HELP in text]
    assert len(helps) <= 1, f"the cells' long description was heard {len(helps)} times"
    print("Ctrl+Q ended the program; each report heard once, the cells' description at most once")


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    if screen_reader.missing():
        print("SKIP: not installed: " + ", ".join(screen_reader.missing()))
        return SKIPPED
    deal, ending, next_move = two_deals(replay)
    for sound_on in (True, False):
        print(f"sound {'on' if sound_on else 'off'} at the start:")
        with tempfile.TemporaryDirectory(prefix="tumbaro-e2e-") as work:
            prepare_work(source, work, ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV"])
            write_table(work)
            config = os.path.join(work, "config")
            if not sound_on:
                pathlib.Path(config, "tumbaro").mkdir(parents=True)
                pathlib.Path(config, "tumbaro", "registry").write_text(SOUND_OFF)
            with screen_reader.Session(frozen(ENDING, [game_binary]), work, config) as session:
                play(session, sound_on, deal, ending, next_move, work)


if __name__ == "__main__":
    sys.exit(main())
