"""The real game on a private X server, for tests and measurements: the
server, the programs on it, their windows, the board read off the screen."""
import calendar
import contextlib
import glob
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

WIDTH, HEIGHT = 792, 572
APP_ID = "io.github.tumbaro.Tumbaro"  # the desktop entry's name, the windows' class
SCREEN = (1024, 768)
CELL, PITCH, BOARD = 50, 52, (112, 32)  # a cell, the distance between cells, the first cell: window pixels
ARROWS = {(1, 0): "Down", (-1, 0): "Up", (0, 1): "Right", (0, -1): "Left"}  # a step to the key
SAMPLE = 3  # pictures are compared at every third pixel each way
CLOSE = 12  # the mean colour difference under which a cell shows a ball

# Upper bounds on waits. A start takes well under a second even on a busy
# two-core machine; only a failure ever runs into these.
START_BOUND = 60
WAIT_BOUND = 30
POLL_INTERVAL = 0.05
STDERR_LINES = 15

# Ended from outside (a test's time limit), unwind so that every `with` block
# below stops its program and X server instead of leaving them behind.
signal.signal(signal.SIGTERM, lambda *_: sys.exit(128 + signal.SIGTERM))


def run(cmd, text=True, **kw):
    return subprocess.run(cmd, check=True, capture_output=True, text=text, **kw).stdout


def wait_for(condition, seconds=WAIT_BOUND, interval=POLL_INTERVAL):
    """The first true value `condition()` gives within `seconds`, or None."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() >= deadline:
            return value or None
        time.sleep(interval)


def tail(file):
    """The last lines written to a file, read without moving the offset its writer writes at."""
    fd = file.fileno()
    text = os.pread(fd, 1 << 16, max(0, os.fstat(fd).st_size - (1 << 16))).decode(errors="replace")
    return "\n".join(text.rstrip().splitlines()[-STDERR_LINES:]) or "(nothing)"


def start_xvfb(log=None, screen=SCREEN):
    """A private X server of a `screen` (width, height) on the first free
    display: (process, ":N"). Its messages go to `log`, or are quoted if it
    fails to start."""
    # -noreset: without it the server resets whenever its last client leaves,
    # and a reset closes every connection still in its handshake, so a program
    # that connects just after an earlier one has gone is thrown out ("could
    # not connect to display"). -displayfd: the server writes its number there
    # once it listens, so no X client is needed to see that it is ready.
    said = log or tempfile.TemporaryFile()
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-noreset", "-nolisten", "tcp",
                             "-screen", "0", "%dx%dx24" % screen],
                            pass_fds=[write_fd], stdout=subprocess.DEVNULL, stderr=said)
    os.close(write_fd)
    try:
        with os.fdopen(read_fd, "rb") as numbers:  # a number and a newline, or nothing if it ends first
            number = numbers.readline().decode().strip() if select.select([numbers], [], [], START_BOUND)[0] else ""
    except BaseException:  # a test ended from outside while the server starts
        stop_process(xvfb)
        raise
    if number:
        return xvfb, ":" + number
    stop_process(xvfb)
    raise RuntimeError(f"Xvfb gave no display number (status {xvfb.returncode}). It said:\n{tail(said)}")


def stop_process(proc):
    """Ends a process politely first (Xvfb then removes its lock and socket)."""
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(timeout=WAIT_BOUND)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def game_env(display, work):
    """A game's environment: the display, UTC, its files kept in `work`."""
    env = dict(os.environ, DISPLAY=display, TZ="UTC", XDG_CONFIG_HOME=os.path.join(work, "config"),
               XDG_RUNTIME_DIR=work, XDG_DATA_HOME=os.path.join(work, "data"))
    env.pop("QT_QPA_PLATFORM", None)
    return env


def frozen(when, cmd):
    """`cmd` with the wall clock standing still at `when` (UTC), so the game
    seeds its deal with that very second; its timers keep the real monotonic
    clock. libfaketime is preloaded directly: the `faketime` wrapper keeps a
    semaphore and shared memory named after its process id, which a killed
    game leaves behind, and a later wrapper given the same id then refuses
    to start ("sem_open: File exists")."""
    libraries = glob.glob("/usr/lib/*/faketime/libfaketimeMT.so.1")
    assert libraries, "libfaketime is not installed"
    return ["env", "LD_PRELOAD=" + libraries[0], "FAKETIME=" + when, "FAKETIME_DONT_FAKE_MONOTONIC=1"] + cmd


@contextlib.contextmanager
def work_folder(source):
    """A working folder as the launcher prepares it, from the shipped files."""
    with tempfile.TemporaryDirectory(prefix="tumbaro-e2e-") as work:
        for name in ("b1.jpg", "b2.jpg", "b3.jpg", "b1@2x.jpg", "CHANGE.WAV", "H.dat", "H2.dat"):
            shutil.copy(os.path.join(source, "assets", "runtime", name), work)
        yield work


@contextlib.contextmanager
def private_game(source, screen=SCREEN):
    """A working folder and a private X server of a `screen` (width, height)
    for the length of a `with` block: (folder, a game's environment)."""
    xvfb, display = start_xvfb(screen=screen)
    try:
        with work_folder(source) as work:
            yield work, game_env(display, work)
    finally:
        stop_process(xvfb)


def replay_moves(replay, when, count=1):
    """The deal of the frozen second `when`, the first `count` moves the replay
    tool plays on it as ("RC-RC" from 1, the board settled), and what follows."""
    lines = run([replay, str(calendar.timegm(time.strptime(when, "%Y-%m-%d %H:%M:%S"))), "--auto",
                 str(count)]).splitlines()
    board = lambda rows: [[int(ch) for ch in row] for row in rows]
    moves = []
    for k in range(count):
        said = lines[9 + 9 * k]
        assert said.startswith("accepted"), lines
        moves.append((said.split()[1], board(lines[10 + 9 * k:18 + 9 * k])))
    return board(lines[1:9]), moves, lines[9 + 9 * count:]


class Program:
    """A program on the display for the length of a `with` block, its standard
    error kept so that a failure can quote what the program itself said."""

    def __init__(self, cmd, cwd, env, name="the game"):
        self.env, self.name, self.stderr = env, name, tempfile.TemporaryFile()
        # A session of its own: faketime or a launcher end with the game.
        self.proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=self.stderr,
                                     start_new_session=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        with contextlib.suppress(ProcessLookupError):
            os.killpg(self.proc.pid, signal.SIGKILL)
        self.proc.wait()
        self.stderr.close()

    def failure(self, what):
        """`what` went wrong, with the program's state and its stderr's end."""
        code = self.proc.poll()
        state = ("still runs" if code is None else f"was ended by {signal.Signals(-code).name}" if code < 0
                 else f"exited with status {code}")
        return f"{what}; {self.name} {state}. The last lines of its standard error:\n{tail(self.stderr)}"

    def awaited(self, find, what, seconds=START_BOUND, interval=POLL_INTERVAL):
        """What `find()` gives once it gives something; fails with `what` if
        the program ends or `seconds` pass first."""
        found = wait_for(lambda: find() or self.proc.poll() is not None, seconds, interval)
        if not found or self.proc.poll() is not None:
            raise AssertionError(self.failure(what))
        return found

    def window(self, title, seconds=START_BOUND, interval=POLL_INTERVAL, mapped=False):
        """The id of the first window named like `title` (and on screen, if `mapped`)."""
        return self.awaited(lambda: windows(self.env, title, mapped), f"the window {title!r} never appeared", seconds,
                            interval)[0]

    def keyboard_window(self, title, seconds=START_BOUND):
        """The window named `title`, once it has the keyboard."""
        # A window is named before it is mapped, and X refuses the focus to
        # one not yet on screen: wait for the map, and ask again until it holds.
        window = self.window(title, seconds, mapped=True)

        def focused():
            subprocess.run(["xdotool", "windowfocus", window], env=self.env, capture_output=True)
            return run(["xdotool", "getwindowfocus"], env=self.env).strip() == window
        if not wait_for(focused, seconds):
            raise AssertionError(self.failure(f"the window {title!r} never took the keyboard"))
        return window

    def ended(self, seconds=WAIT_BOUND):
        """The exit status once the program has ended; fails if it does not."""
        try:
            return self.proc.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            raise AssertionError(self.failure(f"it did not end within {seconds} s")) from None


def cells(move):
    """The two cells of a move "RC-RC" (counted from 1) as (row, column) from 0."""
    return [(int(cell[0]) - 1, int(cell[1]) - 1) for cell in move.split("-")]


def refused_pair(board):
    """The first pair of side by side cells whose swap makes no line."""
    def makes_line(r, c):
        swapped = [row[:] for row in board]
        swapped[r][c], swapped[r][c + 1] = swapped[r][c + 1], swapped[r][c]
        return any(line[k] == line[k + 1] == line[k + 2] for line in swapped + list(zip(*swapped)) for k in range(6))
    r, c = next((r, c) for r in range(8) for c in range(7) if not makes_line(r, c))
    return f"{r + 1}{c + 1}-{r + 1}{c + 2}"


def windows(env, title, mapped=True):
    """The windows named like `title`; only the mapped ones (a closed dialog
    is not) if `mapped`."""
    return subprocess.run(["xdotool", "search", *["--onlyvisible"] * mapped, "--name", title], env=env,
                          capture_output=True, text=True).stdout.split()


def game_windows(env):
    """The game's mapped windows, its menu among them while it is open."""
    return run(["xdotool", "search", "--onlyvisible", "--class", APP_ID], env=env).split()


def clipboard(env):
    """The bytes the X clipboard holds now; None while nobody holds it."""
    got = subprocess.run(["xclip", "-out", "-selection", "clipboard"], env=env, capture_output=True)
    return got.stdout if got.returncode == 0 else None


def window_geometry(env, window):
    """X, Y, WIDTH and HEIGHT of a window."""
    fields = dict(line.split("=") for line in run(["xdotool", "getwindowgeometry", "--shell", window],
                                                   env=env).split())
    return {key: int(fields[key]) for key in ("X", "Y", "WIDTH", "HEIGHT")}


def load_picture(path, size=None, channels="rgba"):
    """(width, height, pixels) of a picture file, scaled smoothly to `size`."""
    width, height = size or map(int, run(["identify", "-format", "%w %h", path]).split())
    resize = ["-filter", "Box", "-resize", "%dx%d!" % size] if size else []
    return width, height, run(["convert", path, *resize, "-depth", "8", channels + ":-"], text=False)


def samples(picture, step=SAMPLE):
    """(x, y, r, g, b) of every `step`-th opaque, not white pixel each way."""
    width, height, rgba = picture
    side = min(width, height)  # the square a cell shows
    pixels = ((x, y, *rgba[(y * width + x) * 4:(y * width + x) * 4 + 4])
              for y in range(1, side, step) for x in range(1, side, step))
    return [(x, y, r, g, b) for x, y, r, g, b, a in pixels if a == 255 and (r, g, b) != (255, 255, 255)]


def ball_samples(source, zoom=None, folder="Sxema1Big"):
    """The eight balls' samples at a `zoom`: the ordinary pictures at None,
    the sharp ones at 2, scaled from them at any other."""
    size = None if zoom in (None, 2) else (round(51 * zoom), round(50 * zoom))
    density = "" if zoom is None else "@2x"
    return [samples(load_picture(os.path.join(source, "assets", folder, f"{k}{density}.png"), size)) for k in range(8)]


class Screen:
    """The game's window at a scale: its shots, the board read off them and
    the cells clicked or reached by keys, in device pixels."""

    def __init__(self, game, scale=1, window=None):
        """The main window at `scale`; or `window`, of any size, when given."""
        self.game, self.env, self.scale, self.zoom, self.origin, self.seen = game, game.env, scale, scale, (0, 0), None
        # Mapped: the window exists, named, at the top left before the game
        # moves it to the middle of the screen, just before it is mapped.
        self.geometry = window_geometry(self.env, window or game.window("^Tumbaro$", mapped=True))
        size = (self.geometry["WIDTH"], self.geometry["HEIGHT"])
        assert window or size == (round(WIDTH * scale), round(HEIGHT * scale)), f"scale {scale}: the window is {size}"

    def fill(self):
        """Reads the window as in full screen: the layout at the largest whole
        percent that fits the window, in its middle."""
        size = (self.geometry["WIDTH"], self.geometry["HEIGHT"])
        self.zoom = int(min(side / layout for side, layout in zip(size, (WIDTH, HEIGHT))) * 100 + 1e-6) / 100
        self.origin = [(round(side / self.zoom) - layout) // 2 for side, layout in zip(size, (WIDTH, HEIGHT))]

    def shot(self):
        g = self.geometry
        return run(["import", "-window", "root", "-crop", f"{g['WIDTH']}x{g['HEIGHT']}+{g['X']}+{g['Y']}",
                    "-depth", "8", "rgb:-"], env=self.env, text=False)

    def cell(self, r, c):
        """The top left device pixel of a cell in the window, counted from 0."""
        return (round(self.zoom * (self.origin[0] + BOARD[0] + PITCH * c)),
                round(self.zoom * (self.origin[1] + BOARD[1] + PITCH * r)))

    def distance(self, shot, left, top, points):
        """The mean colour difference of `points` (samples) from the shot at (left, top)."""
        w = self.geometry["WIDTH"]
        return sum(abs(shot[p] - r) + abs(shot[p + 1] - g) + abs(shot[p + 2] - b)
                   for x, y, r, g, b in points for p in [((top + y) * w + left + x) * 3]) / (3 * len(points))

    def board(self, balls):
        """The closest of `balls` (samples) each cell shows, or None."""
        shot = self.shot()
        board = [[min((self.distance(shot, *self.cell(r, c), s), k) for k, s in enumerate(balls))
                  for c in range(8)] for r in range(8)]
        return [[k if d < CLOSE else None for d, k in row] for row in board]

    def wait_board(self, balls, expected, what):
        """Waits for the board `expected`; fails with `what` and the board seen."""
        def shows():
            self.seen = self.board(balls)
            return self.seen == expected
        assert wait_for(shows), self.game.failure(f"{what}: the screen shows {self.seen}, not {expected}")

    def play(self, move, balls, by_keys=False):
        """Plays `move` ("RC-RC") by two clicks, or by keys from the cursor's
        first place; the second cell once the first ball shows it is picked."""
        (r1, c1), (r2, c2) = cells(move)
        if by_keys:
            self.keys(["Right"] + ["Down"] * r1 + ["Right"] * c1 + ["space"])
        else:
            self.click(r1, c1)
        assert wait_for(lambda: self.board(balls)[r1][c1] is None), \
            self.game.failure(f"scale {self.scale}: {move} picked nothing")
        if by_keys:
            self.keys([ARROWS[(r2 - r1, c2 - c1)], "space"])
        else:
            self.click(r2, c2)

    def drag(self, move):
        """Presses a ball, moves onto the other cell in eight steps, releases."""
        (x1, y1), (x2, y2) = [map(int, self.point(*cell)) for cell in cells(move)]
        steps = [word for k in range(1, 9) for word in ("mousemove", str(x1 + (x2 - x1) * k // 8),
                                                        str(y1 + (y2 - y1) * k // 8))]
        run(["xdotool", "mousemove", str(x1), str(y1), "mousedown", "1", *steps, "mouseup", "1"], env=self.env)

    def keys(self, names):
        run(["xdotool", "key", "--delay", "50", *names], env=self.env)

    def click(self, r, c):
        run(["xdotool", "mousemove", *self.point(r, c), "click", "1"], env=self.env)

    def point(self, r, c):
        """The screen point, for xdotool, of the middle of a cell."""
        left, top = self.cell(r, c)
        half = round(self.zoom * CELL) // 2
        return str(self.geometry["X"] + left + half), str(self.geometry["Y"] + top + half)
