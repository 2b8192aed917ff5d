#!/usr/bin/env python3
"""The real game on a scaled screen: at QT_SCALE_FACTOR=2 the window is twice
as large in device pixels, every cell shows the sharp drawing of the deal's
ball over the sharp background (not the ordinary one enlarged), and a move
played by real clicks at device coordinates settles as the replay tool plays
it. At 1.5, set the way a desktop sets it (Xft.dpi 144), the cells are read
and a move plays the same way.

Usage: real_display_scale_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import calendar
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from xdisplay import WIDTH, HEIGHT, find_window, game_env, replay_boards, run, window_geometry

PINNED = "2026-03-01 12:00:00"
SCREEN = (2048, 1536)  # room for the window at scale 2 (1584 x 1144)
CELL, PITCH, BOARD = 50, 52, (112, 32)
BACKGROUND_AT = (-8, -24)  # the background's place in the window
SAMPLE = 3  # every third device pixel each way


def start_big_xvfb(log=subprocess.DEVNULL):
    """A private X server with a screen large enough for the scaled window,
    started as xdisplay.start_xvfb starts its own."""
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % SCREEN,
                             "-nolisten", "tcp", "-noreset"], pass_fds=[write_fd], stderr=log)
    os.close(write_fd)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_fd, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_fd)
    display = ":" + number.decode().strip()
    for _ in range(100):
        if number and subprocess.run(["xdpyinfo", "-display", display], capture_output=True).returncode == 0:
            return xvfb, display
        time.sleep(0.05)
    xvfb.terminate()
    xvfb.wait()
    raise RuntimeError("Xvfb did not start")


class Picture:
    """Pixels of a picture file (or of the screen), as RGBA rows."""

    def __init__(self, width, height, rgba):
        self.width, self.height, self.rgba = width, height, rgba

    @classmethod
    def load(cls, path, resize=None):
        args = ["convert", path] + (["-filter", "Box", "-resize", "%dx%d!" % resize] if resize else [])
        size = run(["identify", "-format", "%w %h", path]).split()
        width, height = resize or (int(size[0]), int(size[1]))
        raw = subprocess.run(args + ["-depth", "8", "rgba:-"], check=True, capture_output=True).stdout
        return cls(width, height, raw)

    @classmethod
    def grab(cls, env, geometry):
        w, h = geometry["WIDTH"], geometry["HEIGHT"]
        raw = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{geometry['X']}+{geometry['Y']}",
                              "-depth", "8", "rgba:-"], env=env, check=True, capture_output=True).stdout
        return cls(w, h, raw)

    def pixel(self, x, y):
        p = (y * self.width + x) * 4
        return self.rgba[p], self.rgba[p + 1], self.rgba[p + 2], self.rgba[p + 3]


def opaque_samples(ball, limit):
    """(x, y, r, g, b) of the ball's fully opaque pixels inside the cell (not
    its white surround, in an ordinary picture), every SAMPLE-th pixel each
    way: where the screen must show the ball itself."""
    samples = []
    for y in range(1, min(ball.height, limit), SAMPLE):
        for x in range(1, min(ball.width, limit), SAMPLE):
            r, g, b, a = ball.pixel(x, y)
            if a == 255 and (r, g, b) != (255, 255, 255):
                samples.append((x, y, r, g, b))
    return samples


def distance(shot, left, top, samples):
    total = 0
    for x, y, r, g, b in samples:
        p = ((top + y) * shot.width + left + x) * 4
        total += abs(shot.rgba[p] - r) + abs(shot.rgba[p + 1] - g) + abs(shot.rgba[p + 2] - b)
    return total / (3 * len(samples))


def cell_origin(scale, r, c):
    """The device pixel where cell (r, c), counted from 0, starts in the window."""
    return round(scale * (BOARD[0] + PITCH * c)), round(scale * (BOARD[1] + PITCH * r))


def read_board(shot, scale, balls):
    """The ball each cell shows: the closest over the pixels where a ball is
    opaque; None where none comes close."""
    limit = round(CELL * scale)
    board = []
    for r in range(8):
        row = []
        for c in range(8):
            left, top = cell_origin(scale, r, c)
            scored = sorted((distance(shot, left, top, s), k) for k, s in enumerate(balls))
            row.append(scored[0][1] if scored[0][0] < 12 else None)
        board.append(row)
    return board


def composite_distance(shot, scale, r, c, ball, background):
    """Mean difference between a cell on the screen and `ball` laid over the
    background at device resolution, every pixel of the cell."""
    left, top = cell_origin(scale, r, c)
    bx, by = left - round(scale * BACKGROUND_AT[0]), top - round(scale * BACKGROUND_AT[1])
    size = round(CELL * scale)
    total = 0
    for y in range(size):
        for x in range(size):
            br, bg, bb, a = ball.pixel(x, y)
            gr, gg, gb, _ = background.pixel(bx + x, by + y)
            s = ((top + y) * shot.width + left + x) * 4
            for screen, fore, back in ((shot.rgba[s], br, gr), (shot.rgba[s + 1], bg, gg), (shot.rgba[s + 2], bb, gb)):
                total += abs(screen - (fore * a + back * (255 - a)) / 255)
    return total / (3 * size * size)


def wait_for(seconds, check):
    """Polls `check` until it holds; the limit is only reached on failure."""
    deadline = time.monotonic() + seconds
    while True:
        result = check()
        if result or time.monotonic() > deadline:
            return result
        time.sleep(0.1)


def wait_for_board(env, geometry, scale, balls, expected, seconds):
    """The screenshot and the board read off it, once the board is `expected`
    or the time is up."""
    seen = {}

    def shows_expected():
        seen["shot"] = Picture.grab(env, geometry)
        seen["board"] = read_board(seen["shot"], scale, balls)
        return seen["board"] == expected
    wait_for(seconds, shows_expected)
    return seen["shot"], seen["board"]


def play_at_scale(game, replay, source, work, display, scale, seed, by_dpi):
    assets = os.path.join(source, "assets")
    env = game_env(display, work)
    if by_dpi:
        run(["xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
             "Xft.dpi:\t%d\n" % round(96 * scale)], env=env)
    else:
        env["QT_SCALE_FACTOR"] = str(scale)
    err = open(os.path.join(work, f"stderr-{scale}.txt"), "w+")
    # A frozen clock: the game seeds its deal with exactly the pinned time.
    # faketime runs the game as its child: both get a process group of their
    # own, so the game ends with it.
    proc = subprocess.Popen(["faketime", "-m", "--exclude-monotonic", "-f", PINNED, game], cwd=work, env=env,
                            stdout=subprocess.DEVNULL, stderr=err, start_new_session=True)
    try:
        window = find_window(env, "^Tumbaro$")
        if not window:
            err.seek(0)
            raise AssertionError(f"no window at scale {scale}: exit status {proc.poll()}, "
                                 f"stderr: {err.read()[-1500:]}")
        geometry = window_geometry(env, window)
        size = (geometry["WIDTH"], geometry["HEIGHT"])
        assert size == (round(WIDTH * scale), round(HEIGHT * scale)), f"scale {scale}: window is {size}"

        # The balls as this screen should show them: the sharp drawing itself
        # at 2, scaled down from it at 1.5.
        cell = round(CELL * scale)
        fitted = None if scale == 2 else (round(51 * scale), round(50 * scale))
        sharp = [Picture.load(os.path.join(assets, "Sxema1Big", f"{k}@2x.png"), fitted) for k in range(8)]
        balls = [opaque_samples(ball, cell) for ball in sharp]

        deal = [[int(ch) for ch in line] for line in replay_boards(replay, seed, [])[1:9]]
        shot, board = wait_for_board(env, geometry, scale, balls, deal, 20)
        assert board == deal, f"scale {scale}: the screen shows {board}, not the deal of the pinned time {deal}"
        print(f"scale {scale}: every cell shows the ball of the deal of T = {seed}")

        if scale == 2:
            background = Picture.load(os.path.join(work, "b1@2x.jpg"))
            worst = max(composite_distance(shot, scale, r, c, sharp[deal[r][c]], background)
                        for r in range(8) for c in range(8))
            assert worst < 3, f"a cell differs from its sharp ball over the sharp background by {worst:.1f}"
            # The ordinary drawing enlarged is a clearly worse fit than the sharp one.
            coarse = [opaque_samples(Picture.load(os.path.join(assets, "Sxema1Big", f"{k}.png"), None), CELL)
                      for k in range(8)]
            enlarged = [[(2 * x, 2 * y, r, g, b) for x, y, r, g, b in s] for s in coarse]
            sharp_fit = sum(distance(shot, *cell_origin(2, r, c), balls[deal[r][c]]) for r in range(8) for c in range(8))
            coarse_fit = sum(distance(shot, *cell_origin(2, r, c), enlarged[deal[r][c]]) for r in range(8) for c in range(8))
            assert coarse_fit > 2 * sharp_fit + 64, f"sharp {sharp_fit / 64:.1f}, enlarged {coarse_fit / 64:.1f}"
            print(f"scale 2: cells match the sharp balls over the sharp background (worst {worst:.1f}); "
                  f"mean distance {sharp_fit / 64:.1f} to the sharp balls, {coarse_fit / 64:.1f} to the enlarged ones")

        played = replay_boards(replay, seed, ["--auto", "1"])
        move = played[9].split()[1]
        expected = [[int(ch) for ch in line] for line in played[10:18]]
        for at in move.split("-"):
            r, c = int(at[0]) - 1, int(at[1]) - 1
            left, top = cell_origin(scale, r, c)
            x, y = geometry["X"] + left + cell // 2, geometry["Y"] + top + cell // 2
            run(["xdotool", "mousemove", str(x), str(y), "click", "1"], env=env)
            # The second click must not come before the first is taken: the
            # first ball shrinks when it is picked.
            if at == move.split("-")[0]:
                picked = wait_for(10, lambda: read_board(Picture.grab(env, geometry), scale, balls)[r][c] is None)
                assert picked, f"scale {scale}: the click on {at} picked nothing"
        _, board = wait_for_board(env, geometry, scale, balls, expected, 30)
        assert board == expected, f"scale {scale}: after {move} the screen shows {board}, expected {expected}"
        print(f"scale {scale}: move {move} played by clicks settled as the replay tool plays it")

        # The undo button, now enabled, shows its sharp pressed look while
        # the button is down.
        undo = opaque_samples(Picture.load(os.path.join(assets, "ImageList2", "3@2x.png"),
                                           fitted and (round(61 * scale), round(49 * scale))), round(49 * scale))
        left, top = round(scale * 488), round(scale * 504)
        run(["xdotool", "mousemove", str(geometry["X"] + left + cell // 2), str(geometry["Y"] + top + cell // 2),
             "mousedown", "1"], env=env)
        pressed = wait_for(10, lambda: distance(Picture.grab(env, geometry), left, top, undo) < 12)
        run(["xdotool", "mouseup", "1"], env=env)
        assert pressed, f"scale {scale}: the undo button never showed its pressed look"
        print(f"scale {scale}: the undo button shows its pressed look")
    finally:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()
        err.close()
        # The next game must not find this one's window.
        wait_for(10, lambda: not subprocess.run(
            ["xdotool", "search", "--name", "^Tumbaro$"], env=env, capture_output=True, text=True).stdout.split())


def main():
    game, replay, source = (os.path.abspath(arg) for arg in sys.argv[1:4])
    work = tempfile.mkdtemp(prefix="tumbaro-scale-")
    xvfb = None
    try:
        runtime = os.path.join(source, "assets", "runtime")
        for name in os.listdir(runtime):
            if name.endswith((".jpg", ".dat", ".WAV")):
                shutil.copy(os.path.join(runtime, name), work)
        xvfb, display = start_big_xvfb()
        seed = calendar.timegm(time.strptime(PINNED, "%Y-%m-%d %H:%M:%S"))
        play_at_scale(game, replay, source, work, display, 2, seed, by_dpi=False)
        play_at_scale(game, replay, source, work, display, 1.5, seed, by_dpi=True)
        return 0
    finally:
        if xvfb:
            xvfb.terminate()
            xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
