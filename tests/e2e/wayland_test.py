#!/usr/bin/env python3
"""The real game on a headless Wayland compositor, with no X server at all:
at scale 1, across a change to 2 under play, started at 2, and in full screen.

Usage: wayland_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import contextlib
import os
import sys
import time

from wayland_session import OUTPUT, Sway, WaylandScreen, missing_tools
from xdisplay import APP_ID, HEIGHT, WIDTH, Program, ball_samples, frozen, replay_moves, wait_for, work_folder

SKIPPED = 77
FROZEN = "2026-03-01 12:00:00"
ENDS_AFTER_ONE_MOVE = "2026-03-01 12:09:26"  # this second's first deal has one move only
QUESTION = "Game Over"
RESOLUTION = (1920, 1200)  # 960 x 600 logical pixels at scale 2: room for the window
ON_BACKGROUND = (40, 300)  # a window pixel left of the board where only the background lies
DRAG = (60, 40)
# The mean colour difference under which a cell shows its sharp ball: drawn
# for the screen, it is that pixel for pixel; the coarse window enlarged by
# the compositor misses by 2 to 10.
SHARP = 1
RESCALE_BOUND = 1.0  # seconds from the scale change to the sharp pictures


@contextlib.contextmanager
def game_on(sway, paths, when, *args):
    """The game at the frozen second `when` for the length of a `with` block."""
    with work_folder(paths[2]) as work, Program(frozen(when, [paths[0], *args]), work, sway.client_env(work)) as game:
        yield game


def every_cell_sharp(screen, board, sharp, what, since=None):
    """Every cell of `board` shows its sharp ball; with `since`, the first row
    did so within RESCALE_BOUND of it, counted to the shot that showed it."""
    def worst(shot, rows):
        return max(screen.distance(shot, *screen.cell(r, c), sharp[board[r][c]]) for r in rows for c in range(8))
    def first_row_sharp():
        shot, taken = screen.shot(), time.monotonic()
        return worst(shot, [0]) < SHARP and taken - since
    if since is not None:
        took = wait_for(first_row_sharp)
        assert took and took < RESCALE_BOUND, screen.game.failure(
            "the sharp pictures came " + (f"{took:.2f} s" if took else "not at all") + f" after {what}")
        print(f"{what}: sharp pictures after {took:.2f} s")
    worst_cell = worst(screen.shot(), range(8))
    assert worst_cell < SHARP, screen.game.failure(f"{what}: a cell misses its sharp ball by {worst_cell:.1f}")


def borderless(screen):
    # "csd": the client draws its own frame, which this one leaves out; the
    # surface's own geometry would show one it drew.
    node = screen.node
    sizes = {(node[key]["width"], node[key]["height"]) for key in ("rect", "window_rect", "geometry")}
    bare = node["border"] in ("none", "csd") and node["window_rect"]["x"] == node["window_rect"]["y"] == 0
    assert sizes == {(WIDTH, HEIGHT)} and bare, f"the window is not a bare {WIDTH} x {HEIGHT}: {node}"
    # A dock ties the window to its desktop entry by this name.
    assert node["app_id"] == APP_ID, f"the window's app id is {node['app_id']}"


def drag_moves_window(sway, screen):
    """A press on the background and a pointer moved: the game asks the
    compositor to move the window, which then follows the pointer."""
    sway.cursor("set", screen.place[0] + ON_BACKGROUND[0], screen.place[1] + ON_BACKGROUND[1])
    sway.cursor("press", "button1")
    # The move starts once the game's request has reached the compositor;
    # until then the pointer moves alone, a pixel at a time.
    start = screen.place
    def follows():
        sway.devices.move_pointer(1, 0)
        return screen.locate() and screen.place != start
    assert wait_for(follows), screen.game.failure("a press on the background never started a move")
    landed = (screen.place[0] + DRAG[0], screen.place[1] + DRAG[1])
    sway.devices.move_pointer(*DRAG)
    followed = wait_for(lambda: screen.locate() and screen.place == landed)
    sway.cursor("release", "button1")
    sway.cursor("set", 0, 0)
    assert followed, screen.game.failure(f"the window stopped at {screen.place}, not {landed}")


def scale_change_under_play(sway, paths, pictures):
    """Scale 1: the bare window, a pick, a move by clicks, a drag; then the
    output goes to scale 2 and the next move is played on the sharp window."""
    plain, sharp = pictures
    deal, [(first, settled), (second, resettled)], _ = replay_moves(paths[1], FROZEN, 2)
    with game_on(sway, paths, FROZEN) as game:
        screen = WaylandScreen(sway, game)
        borderless(screen)
        screen.wait_board(plain, deal, "scale 1: the deal of the frozen second")
        screen.play(first, plain)
        screen.wait_board(plain, settled, f"scale 1: {first} played by clicks, as the replay tool plays it")
        drag_moves_window(sway, screen)

        sway.command("output", OUTPUT, "scale", 2)
        changed = time.monotonic()
        screen = WaylandScreen(sway, game, 2)
        every_cell_sharp(screen, settled, sharp, "scale 1 to 2 under play", changed)
        screen.play(second, sharp)
        screen.wait_board(sharp, resettled, f"scale 2: {second} played by clicks after the change")


def start_at_scale_2(sway, paths, pictures):
    """A start at scale 2: sharp from the first frame, a move by keys that
    ends the game; the scale goes back to 1 while its question waits, and
    the question outlives the window's renewal, answered."""
    plain, sharp = pictures
    deal, [(move, settled)], _ = replay_moves(paths[1], ENDS_AFTER_ONE_MOVE)
    sway.command("output", OUTPUT, "scale", 2)
    with game_on(sway, paths, ENDS_AFTER_ONE_MOVE) as game:
        screen = WaylandScreen(sway, game, 2)
        screen.wait_board(sharp, deal, "scale 2: the deal of the frozen second")
        every_cell_sharp(screen, deal, sharp, "a start at scale 2")
        assert wait_for(lambda: screen.locate()["focused"]), game.failure("the window never took the keyboard")
        screen.play(move, sharp, by_keys=True)
        # The move ends the game; its question opens over the board, so it
        # is moved to a corner before the board is read.
        sway.to_corner(sway.window(game, QUESTION))
        screen.wait_board(sharp, settled, f"scale 2: {move} played with arrow keys and Space")

        sway.command("output", OUTPUT, "scale", 1)
        assert wait_for(lambda: sway.window(game, QUESTION)["focused"]), game.failure("the question lost the keyboard")
        sway.keys(["Return"])  # Yes: another game
        screen = WaylandScreen(sway, game)
        assert wait_for(lambda: not sway.node(game, QUESTION)), game.failure("the question stayed open")
        def full_board():
            screen.seen = screen.board(plain)
            return all(k is not None for row in screen.seen for k in row)
        assert wait_for(full_board), game.failure(f"scale 1: the next game's board shows {screen.seen}")


def full_screen_at_start(sway, paths):
    """`tumbaro --fullscreen` fills the output at scale 1, shows its deal at
    the zoomed places, and Esc brings the bare window back."""
    deal, *_ = replay_moves(paths[1], FROZEN)
    sway.command("output", OUTPUT, "scale", 1)
    output = sway.query("get_outputs")[0]["rect"]
    with game_on(sway, paths, FROZEN, "--fullscreen") as game:
        assert wait_for(lambda: (node := sway.window(game))["fullscreen_mode"] == 1 and node["rect"] == output), \
            game.failure(f"the window never filled the output {output}: {sway.node(game)}")
        screen = WaylandScreen(sway, game)
        screen.fill()
        screen.wait_board(ball_samples(paths[2], screen.zoom), deal, f"--fullscreen at {screen.zoom:.0%}")
        sway.keys(["Escape"])
        assert wait_for(lambda: sway.window(game)["fullscreen_mode"] == 0), game.failure("Esc left full screen on")
        WaylandScreen(sway, game).wait_board(ball_samples(paths[2]), deal, "after Esc: the bare window's deal")


def main():
    missing = missing_tools()
    if missing:
        print("SKIP: not installed: " + ", ".join(missing))
        return SKIPPED
    paths = list(map(os.path.abspath, sys.argv[1:4]))
    pictures = ball_samples(paths[2]), ball_samples(paths[2], 2)
    with Sway(RESOLUTION) as sway:
        scale_change_under_play(sway, paths, pictures)
        start_at_scale_2(sway, paths, pictures)
        full_screen_at_start(sway, paths)


if __name__ == "__main__":
    sys.exit(main())
