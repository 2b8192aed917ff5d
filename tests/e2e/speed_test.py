#!/usr/bin/env python3
"""The speeds and the refused swap's sign on a real X server, watched frame by
frame: one move with three cascades at each speed, Fast taking half of
Normal's time and Instant settled at once with nothing in between; the hint
blinking at Normal and held steady at Instant; a refused swap leaving the
screen as it was with the sound on, and marked for a moment with it off.

Usage: speed_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import contextlib
import ctypes
import os
import sys
import time

from xdisplay import (Program, Screen, ball_samples, cells, frozen, private_game, refused_pair, replay_moves, run,
                      wait_for)

# The first move of this second's deal cascades three times.
FROZEN = "2026-03-01 12:19:00"
BOARD_AREA = (108, 28, 424, 424)  # the board and the frames round its cells, window pixels
QUIET = 1.5  # a watch ends once the board has not changed for this long, longer than the hint
X = ctypes.CDLL("libX11.so.6")
XTEST = ctypes.CDLL("libXtst.so.6")
X.XOpenDisplay.restype = ctypes.c_void_p
X.XGetImage.restype = ctypes.POINTER(ctypes.c_int)
X.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [ctypes.c_uint] * 2 + \
    [ctypes.c_ulong, ctypes.c_int]
X.XDefaultRootWindow.restype = ctypes.c_ulong
X.XDefaultRootWindow.argtypes = X.XDestroyImage.argtypes = X.XFlush.argtypes = [ctypes.c_void_p]
XTEST.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
XTEST.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]


class Watch:
    """The board read straight from the X server, a few milliseconds a frame,
    and clicks sent through XTest, so that times are the game's, not a
    screenshot tool's."""

    def __init__(self, screen):
        self.screen, self.display = screen, X.XOpenDisplay(screen.env["DISPLAY"].encode())
        g = screen.geometry
        self.area = (g["X"] + BOARD_AREA[0], g["Y"] + BOARD_AREA[1], *BOARD_AREA[2:])

    def frame(self):
        image = X.XGetImage(self.display, X.XDefaultRootWindow(self.display), *self.area, 0xFFFFFFFF, 2)
        data = ctypes.cast(image, ctypes.POINTER(ctypes.c_void_p))[2]  # after width, height, xoffset, format
        pixels = ctypes.string_at(data, self.area[2] * self.area[3] * 4)
        X.XDestroyImage(image)
        return pixels

    def click(self, cell):
        x, y = map(int, self.screen.point(*cell))
        XTEST.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        XTEST.XTestFakeButtonEvent(self.display, 1, 1, 0)
        XTEST.XTestFakeButtonEvent(self.display, 1, 0, 0)
        X.XFlush(self.display)

    def states(self, act):
        """Does `act`, then the board's states in order, each with the time
        from `act` it was first seen, until the board has rested for QUIET."""
        seen = [(0.0, self.frame())]
        start = rest = time.monotonic()
        act()
        while time.monotonic() - rest < QUIET:
            time.sleep(0.002)  # leave the game the processor between frames
            pixels = self.frame()
            if pixels != seen[-1][1]:
                rest = time.monotonic()
                seen.append((rest - start, pixels))
        return seen

    def move(self, move):
        """Picks the first ball, then the watched second click."""
        first, second = cells(move)
        picked = self.frame()
        self.click(first)
        assert wait_for(lambda: self.frame() != picked), "the first click picked nothing"
        return self.states(lambda: self.click(second))


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    deal, [(move, settled)], _ = replay_moves(replay, FROZEN)
    refused = refused_pair(deal)
    balls = ball_samples(source)
    # A busy machine only ever makes a move slower: the quickest of a few
    # runs is the game's own time.
    took = {}
    for _ in range(3):
        for speed, once in play_each_speed(game_binary, source, deal, move, settled, refused, balls).items():
            took[speed] = min(took.get(speed, once), once)
        ratio = took["Fast"][0] / took["Normal"][0]
        if abs(ratio - 0.5) <= 0.5 * 0.15 and took["Instant"][0] <= 0.05:
            break
    assert abs(ratio - 0.5) <= 0.5 * 0.15, f"Fast took {ratio:.2f} of Normal's time"
    # No motion: from the picked board to the settled one, by way of the
    # unpicked one at most, and a third change only were a paint split.
    assert took["Instant"][0] <= 0.05 and took["Instant"][1] <= 3, f"Instant: {took['Instant']}"


def play_each_speed(game_binary, source, deal, move, settled, refused, balls):
    """Plays the move once at each speed; how long each took to settle and
    through how many changes of the board."""
    took = {}
    with private_game(source) as (work, env):
        for presses, speed in ((False, "Normal"), (True, "Fast"), (True, "Instant")):
            # Each run deals the frozen deal afresh, and a single F reaches
            # Instant only from the Fast the last run left stored.
            with contextlib.suppress(FileNotFoundError):
                os.remove(os.path.join(work, "config", "tumbaro", "game"))
            with Program(frozen(FROZEN, [game_binary]), work, env) as game:
                game.keyboard_window("^Tumbaro$")
                if presses:
                    run(["xdotool", "key", "f"], env=env)
                screen = Screen(game)
                screen.wait_board(balls, deal, f"{speed}: the deal")
                watch = Watch(screen)
                hint = [t for t, _ in watch.states(lambda: run(["xdotool", "key", "h"], env=env))[1:]]
                # A steady mark changes the board when it comes and when it
                # goes (a paint or two each); a blink changes it in between
                # too (six times, of which a busy machine's slow screenshots
                # may catch only some).
                between = [t for t in hint if hint[0] + 0.1 < t < hint[-1] - 0.1]
                assert hint and hint[-1] - hint[0] > 0.5, f"{speed}: the hint showed for {hint}"
                assert bool(between) == (speed != "Instant"), f"{speed}: the hint changed the board at {hint}"
                if speed == "Instant":
                    for sound in ("on", "off"):
                        refusal = watch.move(refused)
                        shown = [(t, f) for t, f in refusal[1:] if f != refusal[-1][1]]
                        assert bool(shown) == (sound == "off"), f"sound {sound}: the refusal showed {len(shown)}"
                        run(["xdotool", "key", "m"], env=env)
                states = watch.move(move)
                settle = states[-1][0]
                assert screen.board(balls) == settled, game.failure(f"{speed}: {move} settled wrong")
                took[speed] = (settle, len(states) - 1)
                print(f"{speed}: {move} settled {settle:.3f} s after the second click, through {len(states) - 1} "
                      "changes of the board")
    return took


if __name__ == "__main__":
    sys.exit(main())
