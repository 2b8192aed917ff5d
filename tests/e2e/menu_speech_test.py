#!/usr/bin/env python3
"""What a blind player hears of the menu, with a real Orca listening: the
Menu key opens it, each entry is read as the arrow reaches it, the way of
the game on screen and the switches that are on read as checked.

Usage: menu_speech_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import re
import sys
import tempfile

import screen_reader
from xdisplay import prepare_work, run, wait_for

SKIPPED = 77
# The entries from the top, as a screen reader names them; the arrows pass
# over Pause, which is dimmed outside a timed game. The deal's entry names
# the deal on the board.
ENTRIES = ["New Classic game checked", "New Timed game", "New Zen game", "Deal number", "Today's deal",
           re.compile(r"Deal \d+"), "Copy game", "Statistics", "Hint", "Sound checked", "Symbols"]


def main():
    game_binary, _, source = map(os.path.abspath, sys.argv[1:4])
    if screen_reader.missing():
        print("SKIP: not installed: " + ", ".join(screen_reader.missing()))
        return SKIPPED
    with tempfile.TemporaryDirectory(prefix="tumbaro-e2e-") as work:
        prepare_work(source, work, ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV", "H.dat", "H2.dat"])
        with screen_reader.Session([game_binary], work, os.path.join(work, "config")) as session:
            session.keyboard_window("^Tumbaro$", 0)
            session.wait_said("Tumbaro", 0, "the game's window took the keyboard")
            mark = session.keys("Menu")
            # The arrows are the menu's once it is on screen, a window of its own.
            shown = lambda: run(["xdotool", "search", "--onlyvisible", "--class", "io.github.tumbaro.Tumbaro"],
                                env=session.env).split()
            assert wait_for(lambda: len(shown()) > 1), session.failure("the Menu key opened no menu", mark)
            for entry in ENTRIES:
                session.wait_said(entry, session.keys("Down"), f"Down to {entry}")
            print("Orca read the menu and each of its entries: " + ", ".join(getattr(e, "pattern", e) for e in ENTRIES))


if __name__ == "__main__":
    sys.exit(main())
