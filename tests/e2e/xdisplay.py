"""Helpers shared by the tests and measurements that drive the real game on a
private X server: the server itself, the programs started on it, finding their
windows, screenshots and reading the board off them.

As a command, `xdisplay.py window TITLE -- COMMAND [ARG...]` starts COMMAND on
a private X server and waits for a window whose name matches TITLE; when none
appears it prints why (the program's exit status and the end of its standard
error) and exits with 1.
"""
import contextlib
import os
import select
import signal
import socket
import subprocess
import sys
import tempfile
import time

WIDTH, HEIGHT = 792, 572
SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768

# Upper bounds on waits. A start takes well under a second even on a busy
# two-core machine; only a failure ever runs into these.
START_BOUND = 60
WAIT_BOUND = 30
POLL_INTERVAL = 0.05
STDERR_LINES = 15

# Ended from outside (a test's time limit), unwind so that every `with` block
# below stops its program and X server instead of leaving them behind.
signal.signal(signal.SIGTERM, lambda *_: sys.exit(128 + signal.SIGTERM))


def run(cmd, **kw):
    return subprocess.run(cmd, check=True, capture_output=True, text=True, **kw).stdout


def wait_for(condition, seconds=WAIT_BOUND):
    """The first true value `condition()` gives within `seconds`, or None."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() >= deadline:
            return value or None
        time.sleep(POLL_INTERVAL)


def _tail(text, lines=STDERR_LINES):
    return "\n".join(text.rstrip().splitlines()[-lines:]) or "(nothing)"


def _read_display_number(fd):
    """What Xvfb writes to -displayfd: its display number and a newline, sent
    only once it listens for clients. None if it ends first."""
    number = b""
    deadline = time.monotonic() + START_BOUND
    while not number.endswith(b"\n"):
        if not select.select([fd], [], [], max(0.0, deadline - time.monotonic()))[0]:
            raise TimeoutError
        chunk = os.read(fd, 16)
        if not chunk:  # Xvfb ended without naming a display
            return None
        number += chunk
    return number.decode().strip()


def _accepts_connections(number):
    """Whether the display's socket takes a connection. The probe never speaks
    X, so the server never counts it as a client that could leave last."""
    for address in ("\0/tmp/.X11-unix/X" + number, "/tmp/.X11-unix/X" + number):
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as probe:
            try:
                probe.connect(address)
                return True
            except OSError:
                continue
    return False


def start_xvfb(log=None):
    """A private X server on the first free display: (process, ":N").

    It runs with -noreset. Without it the server resets whenever its last
    client leaves, and a reset closes every connection that is still in its
    handshake: a program that connects just after a probe or an earlier
    program has gone is thrown out ("could not connect to display"). The
    display number arrives through -displayfd, which the server writes once it
    listens, so no X client is needed to see that it is ready.

    `log` receives the server's messages; by default they are kept and shown
    if it fails to start."""
    own_log = log is None
    if own_log:
        log = tempfile.TemporaryFile()
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-noreset", "-nolisten", "tcp",
                             "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24"],
                            pass_fds=[write_fd], stdout=subprocess.DEVNULL, stderr=log)
    os.close(write_fd)
    try:
        number = _read_display_number(read_fd)
        if number and _accepts_connections(number):
            return xvfb, ":" + number
        why = (f"named :{number}, whose socket takes no connections" if number else
               f"ended with status {xvfb.wait()} before naming a display")
    except TimeoutError:
        why = f"named no display within {START_BOUND} s"
    finally:
        os.close(read_fd)
    stop_process(xvfb)
    if own_log:
        log.seek(0)
        why += ". It said:\n" + _tail(log.read().decode(errors="replace"))
    raise RuntimeError("Xvfb " + why)


def stop_process(proc):
    """Ends a process we started: politely first, so Xvfb removes its lock and
    socket, then for certain."""
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(timeout=WAIT_BOUND)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


@contextlib.contextmanager
def private_display():
    """A private X server for the length of a `with` block; yields ":N"."""
    xvfb, display = start_xvfb()
    try:
        yield display
    finally:
        stop_process(xvfb)


def game_env(display, work):
    """The environment of a game under test: the private display, UTC, and
    its settings kept in `work`."""
    env = dict(os.environ, DISPLAY=display, TZ="UTC", XDG_CONFIG_HOME=os.path.join(work, "config"),
               XDG_RUNTIME_DIR=work)
    env.pop("QT_QPA_PLATFORM", None)
    return env


class Program:
    """A program started on the private display, its standard error kept in a
    file so that a failure can quote what the program itself said. Use it in
    a `with` block; leaving the block ends the program."""

    def __init__(self, cmd, cwd, env, name="the game"):
        self.env, self.name = env, name
        fd, self.stderr_path = tempfile.mkstemp(prefix="tumbaro-stderr-")
        try:
            self.proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=fd)
        finally:
            os.close(fd)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.proc.poll() is None:
            self.proc.kill()
        self.proc.wait()
        os.unlink(self.stderr_path)

    def state(self):
        code = self.proc.poll()
        if code is None:
            return "still runs"
        if code < 0:
            return f"was ended by {signal.Signals(-code).name}"
        return f"exited with status {code}"

    def failure(self, what):
        """`what` went wrong, with the program's state and the end of its
        standard error."""
        with open(self.stderr_path, errors="replace") as f:
            said = f.read()
        return f"{what}; {self.name} {self.state()}. The last lines of its standard error:\n{_tail(said)}"

    def window(self, title, seconds=START_BOUND, interval=POLL_INTERVAL):
        """The id of the program's window named `title`; fails with what the
        program said if none appears."""
        found = find_window(self.env, title, seconds, proc=self.proc, interval=interval)
        if not found:
            raise AssertionError(self.failure(f"the window {title!r} never appeared"))
        return found

    def keyboard_window(self, title, seconds=START_BOUND):
        """The id of the program's window named `title` once it has the
        keyboard: keys sent before that would go to the window before it."""
        window = self.window(title, seconds)
        if not wait_for(lambda: run(["xdotool", "getwindowfocus"], env=self.env).strip() == window, seconds):
            raise AssertionError(self.failure(f"the window {title!r} never took the keyboard"))
        return window

    def ended(self, seconds=WAIT_BOUND):
        """The exit status once the program has ended; fails if it does not."""
        try:
            return self.proc.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            raise AssertionError(self.failure(f"it did not end within {seconds} s")) from None


def find_window(env, title, seconds=START_BOUND, proc=None, interval=POLL_INTERVAL):
    """The id of the first window whose name matches `title`, or None once
    `seconds` have passed or `proc`, the program that should show it, has
    ended. Searches every `interval` seconds."""
    deadline = time.monotonic() + seconds
    while True:
        found = subprocess.run(["xdotool", "search", "--name", title], env=env, capture_output=True,
                               text=True).stdout.split()
        if found:
            return found[0]
        if time.monotonic() >= deadline or (proc is not None and proc.poll() is not None):
            return None
        time.sleep(interval)


def window_geometry(env, window):
    """X, Y, WIDTH and HEIGHT of a window, as whole numbers."""
    fields = dict(line.split("=") for line in run(["xdotool", "getwindowgeometry", "--shell", window],
                                                   env=env).split())
    return {key: int(fields[key]) for key in ("X", "Y", "WIDTH", "HEIGHT")}


def screenshot(env):
    raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=env, check=True,
                         capture_output=True).stdout
    return raw  # SCREEN_WIDTH x SCREEN_HEIGHT x 3


def load_ball(path):
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    size = run(["identify", "-format", "%w %h", path]).split()
    return int(size[0]), int(size[1]), raw


def cell_origin(origin, row, column):
    """Screen position of the top left of a cell, both counted from 0."""
    return origin[0] + 112 + 52 * column, origin[1] + 32 + 52 * row


def classify(shot, origin, balls):
    """The colour each cell shows: the ball picture closest to the cell's pixels
    where the picture is not its white surround; None where nothing fits."""
    board = []
    for r in range(8):
        row = []
        for c in range(8):
            cx, cy = cell_origin(origin, r, c)
            best, best_diff = None, 1e9
            for k, (w, h, pic) in enumerate(balls):
                diff = n = 0
                for y in range(0, min(h, 50), 2):
                    for x in range(0, min(w, 50), 2):
                        p = (y * w + x) * 3
                        if pic[p] == 255 and pic[p + 1] == 255 and pic[p + 2] == 255:
                            continue
                        s = ((cy + y) * SCREEN_WIDTH + cx + x) * 3
                        diff += abs(shot[s] - pic[p]) + abs(shot[s + 1] - pic[p + 1]) + abs(shot[s + 2] - pic[p + 2])
                        n += 3
                if n and diff / n < best_diff:
                    best, best_diff = k, diff / n
            row.append(best if best_diff < 12 else None)
        board.append(row)
    return board


def replay_boards(replay, seed, args):
    return run([replay, str(seed)] + args).splitlines()


def main(args):
    if len(args) < 4 or args[0] != "window" or args[2] != "--":
        print("usage: xdisplay.py window TITLE -- COMMAND [ARG...]", file=sys.stderr)
        return 2
    title, cmd = args[1], args[3:]
    with private_display() as display:
        env = dict(os.environ, DISPLAY=display)
        env.pop("QT_QPA_PLATFORM", None)
        with Program(cmd, None, env, name=os.path.basename(cmd[0])) as program:
            try:
                program.window(title)
            except AssertionError as failure:
                print(failure, file=sys.stderr)
                return 1
    print(f"{os.path.basename(cmd[0])} showed its window {title!r}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
