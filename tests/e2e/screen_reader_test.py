#!/usr/bin/env python3
"""What a blind player hears, with a real Orca listening: a game played from
the keyboard alone, by ear, through its end, the high score, the question,
a new deal, and the menu opened by the Menu key and read entry by entry
down to the sound, switched off there.

The clock is frozen at a second whose first deal ends its game after one
move, so the replay tool knows each deal and move. Every step waits until
Orca has said what the step must make it say, and fails with what it did say.

Usage: screen_reader_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import re
import sys
import tempfile

import screen_reader
from high_score_end import ENDING, assert_table, ending_move, write_table
from xdisplay import ARROWS, frozen, prepare_work, replay_moves, run, wait_for

SKIPPED = 77
# A new game within the frozen second is dealt the next number: this second's.
NEXT_SECOND = "2026-03-01 12:09:27"
# What the replay tool plays; the phrases below were worked out for these moves.
MOVES = ("14-24", "41-42")

# What Orca must say. It adds a control's role, as in "... push button.".
WINDOW = "Tumbaro."
SPHERES = ["silver sphere with a red seam", "gold and brown checked sphere", "blue sphere with gold flecks",
           "dark green sphere", "white sphere with rust speckles", "green and blue sphere",
           "red and grey woven sphere", "pink sphere"]
CELL = "Row {}, column {}: {}"
CURSOR = re.compile(r"^Row (\d), column (\d): ")
CELL_HELP = "Pick a ball, then a neighbour"  # said the first time, no more
SELECTED = re.compile(r"(?<!not )\bselected\b")
ENDING_REPORT = re.compile(r"Line of three: white sphere with rust speckles, 15 points\. Cascade 1\. "
                           r"Line of three: [a-z ]+, 15 points\. Score 30\.")
NAME_BOX = ["New high score", "No moves left. Score 30, place 9 in the table.", "Your name"]
NAME = "Lina"
QUESTION = ["Game over", "Do you want to play again?", "Score 30", "Yes push button"]
OTHER_BUTTONS = ["No push button", "Cancel push button"]  # heard with Tab
NEW_GAME = "New game."
NEXT_REPORT = "Line of three: silver sphere with a red seam, 15 points. Score 15."
# The menu's entries from the top; the arrows pass over Pause, which is
# dimmed outside a timed game. The deal's entry names the deal on the board.
MENU = ["New Classic game checked", "New Timed game", "New Zen game", "Deal number", "Today's deal",
        re.compile(r"Deal \d+"), "Copy game", "Statistics", "Hint", "Sound checked"]
SOUND_OFF = "Sound off."


def two_deals(replay):
    """The first deal, its move, and the move of the deal after the game it ends."""
    (deal, ending), (_, [(following, _)], _) = ending_move(replay), replay_moves(replay, NEXT_SECOND)
    assert (ending, following) == MOVES, f"the replay tool now plays {ending}, {following}: work the phrases out anew"
    cells = lambda move: [(int(cell[0]), int(cell[1])) for cell in move.split("-")]
    return deal, cells(ending), cells(following)


def heard(session, key, phrase, what):
    """Presses `key` and waits until Orca has said `phrase`; that utterance,
    as (place, text)."""
    return session.wait_said(phrase, session.keys(key), what)


def cursor_to(session, at, target, what):
    """Moves the cursor from `at` to `target` an arrow at a time, each step
    heard. A cursor the game hid shows up where it will: every step goes by
    the cell Orca named last."""
    for _ in range(16):
        if at == target:
            return
        step = (1 if target[0] > at[0] else -1, 0) if target[0] != at[0] else (0, 1 if target[1] > at[1] else -1)
        _, said = heard(session, ARROWS[step], CURSOR, what)
        at = tuple(int(n) for n in CURSOR.match(said).groups())
    raise AssertionError(f"{what}: the cursor never reached row {target[0]}, column {target[1]}")


def play(session, deal, ending, next_move, work):
    session.keyboard_window("^Tumbaro$", 0)
    session.wait_said(WINDOW, 0, "the game's window took the keyboard")

    # Along row 1, where the ending move starts, to its first ball, picked.
    (r, c) = ending[0]
    for column in range(1, c + 1):  # the first arrow only shows the cursor, the next ones move it
        heard(session, "Right", CELL.format(r, column, SPHERES[deal[r - 1][column - 1]]), f"Right to column {column}")
    heard(session, "space", SELECTED, "Space picked the ball under the cursor")
    print("each arrow key's cell named with the ball it shows, the pick heard as selected")
    cursor_to(session, (r, c), ending[1], "the way to the second ball of the move")
    mark = session.keys("space")
    session.wait_said(ENDING_REPORT, mark, f"the move {MOVES[0]}")
    print("the move that ends the game heard as its lines, cascade and score")

    session.keyboard_window("^HScore$", mark)
    for phrase in NAME_BOX:
        session.wait_said(phrase, mark, "the name box of the high score")
    run(["xdotool", "type", "--delay", "40", NAME], env=session.env)
    mark = session.keys("Return")
    session.keyboard_window("Game Over!!!", mark)  # its title, padded with spaces
    assert_table(work, [NAME], f"{NAME} typed into the name box")
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
    _, report = heard(session, "space", NEXT_REPORT, f"the move {MOVES[1]}")
    assert "Cascade" not in report, f"a move without a cascade was heard as {report!r}"
    print("the next deal's move heard without a cascade")

    said = session.spoken()
    reports = [text for text in said if ENDING_REPORT.search(text) or NEXT_REPORT in text]
    assert len(reports) == 2, f"two moves were heard as {len(reports)} reports: {reports}"
    helps = [text for text in said if CELL_HELP in text]
    assert len(helps) <= 1, f"the cells' long description was heard {len(helps)} times"
    print("each report heard once, the cells' description at most once")

    # The arrows are the menu's once it is on screen, a window of its own.
    shown = lambda: run(["xdotool", "search", "--onlyvisible", "--class", "io.github.tumbaro.Tumbaro"],
                        env=session.env).split()
    mark = session.keys("Menu")
    assert wait_for(lambda: len(shown()) > 1), session.failure("the Menu key opened no menu", mark)
    for entry in MENU:
        session.wait_said(entry, session.keys("Down"), f"Down to {entry}")
    heard(session, "Return", SOUND_OFF, "Return on Sound")
    print("the menu heard entry by entry, the way on screen and the sound checked; Sound heard switched off")


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    if not os.access(screen_reader.BUS_LAUNCHER, os.X_OK):  # the other tools are checked before the start
        print(f"SKIP: not installed: {screen_reader.BUS_LAUNCHER}")
        return SKIPPED
    deal, ending, next_move = two_deals(replay)
    with tempfile.TemporaryDirectory(prefix="tumbaro-e2e-") as work:
        prepare_work(source, work, ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV"])
        write_table(work)
        with screen_reader.Session(frozen(ENDING, [game_binary]), work, os.path.join(work, "config")) as session:
            play(session, deal, ending, next_move, work)


if __name__ == "__main__":
    sys.exit(main())
