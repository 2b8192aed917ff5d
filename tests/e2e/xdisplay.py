"""Helpers shared by the tests and measurements that drive the real game on a
private X server: the server itself, the game's environment, finding its
window, screenshots and reading the board off them.
"""
import os
import subprocess
import time

WIDTH, HEIGHT = 792, 572


def run(cmd, **kw):
    return subprocess.run(cmd, check=True, capture_output=True, text=True, **kw).stdout


def start_xvfb(log=subprocess.DEVNULL):
    """A private X server on the first free display, answering requests."""
    for _ in range(3):
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24",
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
        xvfb.terminate()  # never answered: try again on a fresh server
        xvfb.wait()
    raise RuntimeError("Xvfb did not start")


def game_env(display, work):
    """The environment of a game under test: the private display, UTC, and
    its settings kept in `work`."""
    env = dict(os.environ, DISPLAY=display, TZ="UTC", XDG_CONFIG_HOME=os.path.join(work, "config"),
               XDG_RUNTIME_DIR=work)
    env.pop("QT_QPA_PLATFORM", None)
    return env


def find_window(env, title, seconds=10):
    """The id of the first window whose name matches `title`, or None."""
    for _ in range(int(seconds * 10)):
        found = subprocess.run(["xdotool", "search", "--name", title], env=env, capture_output=True,
                               text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.1)
    return None


def window_geometry(env, window):
    """X, Y, WIDTH and HEIGHT of a window, as whole numbers."""
    fields = dict(line.split("=") for line in run(["xdotool", "getwindowgeometry", "--shell", window],
                                                   env=env).split())
    return {key: int(fields[key]) for key in ("X", "Y", "WIDTH", "HEIGHT")}


def screenshot(env):
    raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=env, check=True,
                         capture_output=True).stdout
    return raw  # 1024 x 768 x 3


def load_ball(path):
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    size = run(["identify", "-format", "%w %h", path]).split()
    return int(size[0]), int(size[1]), raw


def classify(shot, origin, balls):
    """The colour each cell shows: the ball picture closest to the cell's pixels
    where the picture is not its white surround; None where nothing fits."""
    ox, oy = origin
    board = []
    for r in range(8):
        row = []
        for c in range(8):
            cx, cy = ox + 112 + 52 * c, oy + 32 + 52 * r
            best, best_diff = None, 1e9
            for k, (w, h, pic) in enumerate(balls):
                diff = n = 0
                for y in range(0, min(h, 50), 2):
                    for x in range(0, min(w, 50), 2):
                        p = (y * w + x) * 3
                        if pic[p] == 255 and pic[p + 1] == 255 and pic[p + 2] == 255:
                            continue
                        s = ((cy + y) * 1024 + cx + x) * 3
                        diff += abs(shot[s] - pic[p]) + abs(shot[s + 1] - pic[p + 1]) + abs(shot[s + 2] - pic[p + 2])
                        n += 3
                if n and diff / n < best_diff:
                    best, best_diff = k, diff / n
            row.append(best if best_diff < 12 else None)
        board.append(row)
    return board


def replay_boards(replay, seed, args):
    return run([replay, str(seed)] + args).splitlines()
