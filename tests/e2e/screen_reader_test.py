#!/usr/bin/env python3
"""What a blind player hears, with a real Orca listening: a game played by
keys and by ear through its end, the high score, the question, a new deal
and the menu. Every step waits until Orca has said what the step must make
it say, and fails with what it did say.

Usage: screen_reader_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import re
import sys

import screen_reader
from nothing_lost_test import ENDING, ending_move, write_table
from xdisplay import ARROWS, cells, frozen, game_windows, wait_for, work_folder

SKIPPED = 77
ENDING_MOVE = "14-24"  # what the replay tool plays; the phrases below were worked out for it

# What Orca must say. It adds a control's role, as in "... push button.".
WINDOW = "Tumbaro."
SPHERES = ["silver sphere with a red seam", "gold and brown checked sphere", "blue sphere with gold flecks",
           "dark green sphere", "white sphere with rust speckles", "green and blue sphere",
           "red and grey woven sphere", "pink sphere"]
CELL = "Row {}, column {}: {}"
CELL_HELP = "Pick a ball, then a neighbour"  # said the first time, no more
SELECTED = re.compile(r"(?<!not )\bselected\b")
ENDING_REPORT = re.compile(r"Line of three: white sphere with rust speckles, 15 points\. Cascade 1\. "
                           r"Line of three: [a-z ]+, 15 points\. Score 30\.")
NAME_BOX = ["New high score", "No moves left. Score 30, place 9 in the table.", "Your name"]
QUESTION = ["Game over", "Do you want to play again?", "Score 30", "Yes push button"]
OTHER_BUTTONS = ["No push button", "Cancel push button"]  # heard with Tab
NEW_GAME = "New game."
# The menu's entries from the top; the arrows pass over Pause, which is
# dimmed outside a timed game. The deal's entry names the deal on the board.
MENU = ["New Classic game checked", "New Timed game", "New Zen game", "Deal number", "Today's deal",
        re.compile(r"Deal \d+"), "Copy game", "Statistics", "Hint", "Sound checked"]
SOUND_OFF = "Sound off."


def ending_cells(replay):
    """The first deal and the two cells of the move that ends its game."""
    deal, move = ending_move(replay)
    assert move == ENDING_MOVE, f"the replay tool now plays {move}: work the phrases out anew"
    return deal, [(r + 1, c + 1) for r, c in cells(move)]


def heard(session, key, phrase, what):
    """Presses `key` and waits until Orca has said `phrase`; that utterance,
    as (place, text)."""
    return session.wait_said(phrase, session.keys(key), what)


def play(session, deal, ending):
    session.game.keyboard_window("^Tumbaro$")
    session.wait_said(WINDOW, 0, "the game's window took the keyboard")

    # Along row 1, where the ending move starts, to its first ball, picked.
    (r, c) = ending[0]
    named = lambda row, column: CELL.format(row, column, SPHERES[deal[row - 1][column - 1]])
    for column in range(1, c + 1):  # the first arrow only shows the cursor, the next ones move it
        heard(session, "Right", named(r, column), f"Right to column {column}")
    heard(session, "space", SELECTED, "Space picked the ball under the cursor")
    (r2, c2) = ending[1]
    heard(session, ARROWS[(r2 - r, c2 - c)], named(r2, c2), "the arrow to the second ball of the move")
    mark = session.keys("space")
    session.wait_said(ENDING_REPORT, mark, f"the move {ENDING_MOVE}")

    session.game.keyboard_window("^HScore$")
    for phrase in NAME_BOX:
        session.wait_said(phrase, mark, "the name box of the high score")
    mark = session.keys("Return")
    session.game.keyboard_window("Game Over!!!")  # its title, padded with spaces

    for phrase in QUESTION:
        session.wait_said(phrase, mark, "the question after the game")
    for phrase in OTHER_BUTTONS:
        heard(session, "Tab", phrase, "Tab in the question")
    # Y answers Yes wherever the focus is, here on Cancel.
    mark = session.keys("y")
    session.wait_said(NEW_GAME, mark, "Y in the question")
    session.game.keyboard_window("^Tumbaro$")
    back, _ = session.wait_said(WINDOW, mark, "the game's window back after the question")
    session.wait_said(re.compile(rf"^Row {r2}, column {c2}: .* push button"), back,
                      "the cursor's cell read again once the window is back")

    said = session.spoken()
    reports = [text for text in said if ENDING_REPORT.search(text)]
    assert len(reports) == 1, f"the move was heard as {len(reports)} reports: {reports}"
    helps = [text for text in said if CELL_HELP in text]
    assert len(helps) <= 1, f"the cells' long description was heard {len(helps)} times"

    # The arrows are the menu's once it is on screen, a window of its own.
    shown = lambda: game_windows(session.env)
    mark = session.keys("Menu")
    assert wait_for(lambda: len(shown()) > 1), session.failure("the Menu key opened no menu", mark)
    for entry in MENU:
        session.wait_said(entry, session.keys("Down"), f"Down to {entry}")
    heard(session, "Return", SOUND_OFF, "Return on Sound")
    assert wait_for(lambda: len(shown()) == 1), session.failure("a menu stayed open after the entry was chosen")
    # Nothing left open takes the keyboard from the window.
    session.keys("ctrl+q")
    assert session.game.ended() == 0, session.game.failure("Ctrl+Q did not end the program cleanly")


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    if not os.access(screen_reader.BUS_LAUNCHER, os.X_OK):  # the other tools are checked before the start
        print(f"SKIP: not installed: {screen_reader.BUS_LAUNCHER}")
        return SKIPPED
    deal, ending = ending_cells(replay)
    with work_folder(source) as work:
        write_table(work)
        with screen_reader.Session(frozen(ENDING, [game_binary]), work, os.path.join(work, "config")) as session:
            play(session, deal, ending)


if __name__ == "__main__":
    sys.exit(main())
