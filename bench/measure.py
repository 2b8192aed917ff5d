#!/usr/bin/env python3
"""Measures the game against a bare Qt window of the same size on one Xvfb:
time from launch to the first drawn board, resident and proportional memory,
CPU used while idle, and the game's memory in play: after the pointer has
passed over every control and after a refused and an accepted swap have
played their sounds through a private sound server. Prints a Markdown table
row per figure.

Usage: measure.py [--no-sound-server] GAME BARE_WINDOW RUNTIME_FOLDER [RUNS]

With --no-sound-server the swaps are played with no sound server to reach,
as on a desktop without one.
"""
import os
import re
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
import xdisplay as e2e  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")
# The measuring windows themselves: memory is read this long after the first
# drawn frame, and idle CPU counted over this long.
SETTLE = 2
IDLE = 10
# The pointer rests this long on each control, long enough for the window to
# see it enter and leave, too short for a hint to open.
POINTER_STEP = 0.05
COLOUR_TOLERANCE = 8
# The balls of the first scheme, which a fresh start shows.
BALLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets", "Sxema1Big")
LAYOUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "ui", "layout", "window_layout.cpp")


def pixel(env, x, y):
    out = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth", "8", "rgb:-"],
                         env=env, capture_output=True).stdout
    return tuple(out[:3]) if len(out) >= 3 else None


def first_content(program, env, title, probe, wanted):
    """Waits until the probe pixel (window coordinates) of the program's window
    shows `wanted`; fails with what the program said if it never does."""
    # No pause between searches or polls: each one is a timing sample. Found
    # once mapped: before, the window still sits where it is made, not where
    # the game then moves it.
    geometry = e2e.window_geometry(env, program.window(f"^{title}$", interval=0, mapped=True))
    x, y = geometry["X"] + probe[0], geometry["Y"] + probe[1]
    deadline = time.monotonic() + e2e.START_BOUND
    while time.monotonic() < deadline:
        p = pixel(env, x, y)
        if p and wanted(p):
            return
    raise RuntimeError(program.failure(f"{title} never drew its content"))


def ball_centre(path, scale=1):
    """The colour a ball picture shows at the middle of a cell, where the game
    draws it from the cell's top left corner: 25 layout pixels in each way."""
    w, h, raw = e2e.load_picture(path, channels="rgb")
    p = (round(25 * scale) * w + round(25 * scale)) * 3
    return tuple(raw[p:p + 3])


def memory(pid):
    fields = {}
    with open(f"/proc/{pid}/smaps_rollup") as f:
        for line in f:
            parts = line.split()
            if len(parts) >= 2 and parts[0].endswith(":"):
                fields[parts[0][:-1]] = int(parts[1])
    return fields["Rss"] / 1024, fields["Pss"] / 1024


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        parts = f.read().rsplit(")", 1)[1].split()
    return (int(parts[11]) + int(parts[12])) / TICKS


def wakeups(pid):
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{task}/status") as f:
            for line in f:
                if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                    total += int(line.split()[1])
    return total


def reading(pid):
    """RSS and PSS of the process, and whether another process mapped Qt
    then (its PSS is then lower than the game's alone)."""
    crowded = False
    for other in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{other}/maps") as maps:
                crowded = crowded or (int(other) != pid and "libQt6Core" in maps.read())
        except OSError:
            continue
    return (*memory(pid), crowded)


def control_centres(scale):
    """The centre of every control of the window, in window pixels: the named
    ones as the layout table places them, then the 64 cells."""
    with open(LAYOUT) as f:
        found = re.findall(r'"(\w+)"[^"\n]*?(-?\d+), (-?\d+), (\d+), (\d+)', f.read())
    assert len(found) >= 20, f"{LAYOUT}: only {len(found)} controls found; has the table changed its form?"
    boxes = [tuple(map(int, box)) for _name, *box in found]
    boxes += [(e2e.BOARD[0] + e2e.PITCH * c, e2e.BOARD[1] + e2e.PITCH * r, e2e.CELL, e2e.CELL)
              for r in range(8) for c in range(8)]
    return [(round(scale * (x + w / 2)), round(scale * (y + h / 2))) for x, y, w, h in boxes]


def makes_line(board, a, b):
    """Whether swapping cells a and b ((row, column) from 0) lines up three."""
    cells = [row[:] for row in board]
    (r1, c1), (r2, c2) = a, b
    cells[r1][c1], cells[r2][c2] = cells[r2][c2], cells[r1][c1]

    def run_length(r, c, dr, dc):
        n = 0
        while 0 <= r < 8 and 0 <= c < 8 and cells[r][c] == colour:
            n, r, c = n + 1, r + dr, c + dc
        return n
    for r, c in (a, b):
        colour = cells[r][c]
        if any(run_length(r, c, dr, dc) + run_length(r, c, -dr, -dc) - 1 >= 3 for dr, dc in ((0, 1), (1, 0))):
            return True
    return False


def moves(board):
    """A refused swap and an accepted one on `board`, as "RC-RC" from 1."""
    pairs = [((r, c), (r + dr, c + dc)) for r in range(8) for c in range(8) for dr, dc in ((0, 1), (1, 0))
             if r + dr < 8 and c + dc < 8]
    name = lambda pair: "-".join(f"{r + 1}{c + 1}" for r, c in pair)
    refused = next(name(p) for p in pairs if not makes_line(board, *p))
    accepted = next(name(p) for p in pairs if makes_line(board, *p))
    return refused, accepted


class SoundServer:
    """A private PulseAudio server with one null sink until `close()`: its
    socket is `self.address`, and `heard()` waits until a new stream has
    reached it since the last call."""

    def __init__(self, work):
        folder = os.path.join(work, "pulse")
        os.makedirs(os.path.join(folder, "home"))
        os.makedirs(os.path.join(folder, "runtime"), mode=0o700)
        self.address = "unix:" + os.path.join(folder, "native")
        with open(os.path.join(folder, "server.pa"), "w") as f:
            f.write("load-module module-null-sink sink_name=measure norewinds=1\n"
                    f"load-module module-native-protocol-unix socket={folder}/native auth-anonymous=1\n"
                    "set-default-sink measure\n")
        env = dict(os.environ, HOME=os.path.join(folder, "home"), XDG_RUNTIME_DIR=os.path.join(folder, "runtime"),
                   PULSE_SERVER=self.address)
        self.log = open(os.path.join(folder, "log"), "w")
        self.proc = subprocess.Popen(["pulseaudio", "-n", "-F", os.path.join(folder, "server.pa"), "--daemonize=no",
                                      "--exit-idle-time=-1", "--use-pid-file=no", "--log-target=stderr"],
                                     env=env, stdout=self.log, stderr=subprocess.STDOUT)
        answers = lambda: subprocess.run(["pactl", "info"], env=env, capture_output=True).returncode == 0
        if not e2e.wait_for(lambda: answers() or self.proc.poll() is not None, e2e.START_BOUND) or not answers():
            self.close()
            raise RuntimeError("the private sound server never answered")
        # Each new stream is an event: a sound too short to be seen by polling
        # the list of streams is still heard.
        self.events = subprocess.Popen(["pactl", "subscribe"], env=env, stdout=subprocess.PIPE,
                                       stderr=subprocess.DEVNULL)
        self.said = ""

    def heard(self):
        deadline, fd = time.monotonic() + e2e.WAIT_BOUND, self.events.stdout.fileno()
        while "Event 'new' on sink-input" not in self.said:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([fd], [], [], left)[0]:
                raise RuntimeError("no sound reached the private sound server")
            self.said += os.read(fd, 4096).decode()
        self.said = self.said.split("Event 'new' on sink-input", 1)[1]

    def close(self):
        for proc in (getattr(self, "events", None), self.proc):
            if proc:
                e2e.stop_process(proc)
        self.log.close()


def play_phase(program, env, server, scale):
    """PSS after the pointer has passed over every control, then after a
    refused swap and its beep, then after an accepted swap and its sound."""
    geometry = e2e.window_geometry(env, program.window("^Tumbaro$"))
    for x, y in control_centres(scale):
        e2e.run(["xdotool", "mousemove", str(geometry["X"] + x), str(geometry["Y"] + y)], env=env)
        time.sleep(POINTER_STEP)
    time.sleep(SETTLE)
    figures = {"pointer": reading(program.proc.pid)}
    if scale != 1:
        return figures  # the board is read with the ordinary pictures, at scale 1 only
    balls = [e2e.samples(e2e.load_picture(os.path.join(BALLS, f"{k}.png"))) for k in range(8)]
    screen = e2e.Screen(program, scale)
    board = screen.board(balls)
    assert all(None not in row for row in board), program.failure(f"the board could not be read: {board}")
    refused, accepted = moves(board)
    for what, move in (("beep", refused), ("swap", accepted)):
        screen.play(move, balls)
        if server:
            server.heard()
        time.sleep(SETTLE)
        figures[what] = reading(program.proc.pid)
    return figures


def main():
    args = sys.argv[1:]
    no_server = "--no-sound-server" in args
    args = [a for a in args if a != "--no-sound-server"]
    game, bare, runtime = args[:3]

    def is_ball(p):
        return any(max(abs(a - b) for a, b in zip(p, c)) <= COLOUR_TOLERANCE for c in centres)

    runs = int(args[3]) if len(args) > 3 else 5
    # Under QT_SCALE_FACTOR the probes sit at the same layout places.
    scale = float(os.environ.get("QT_SCALE_FACTOR", "1"))
    probe = lambda x, y: (round(x * scale), round(y * scale))
    # The balls the screen draws: the sharp ones above scale 1.
    centres = [ball_centre(os.path.join(BALLS, f"{k}{'@2x' if scale > 1 else ''}.png"), scale) for k in range(8)]
    work = tempfile.mkdtemp(prefix="tumbaro-measure-")
    for name in os.listdir(runtime):
        src = os.path.join(runtime, name)
        (shutil.copytree if os.path.isdir(src) else shutil.copy)(src, os.path.join(work, name))
    xvfb_log = open(os.path.join(work, "xvfb.log"), "w")
    # Room for the window at scale 2.
    xvfb, display = e2e.start_xvfb(xvfb_log, screen=(2048, 1536) if scale > 1 else e2e.SCREEN)
    env = e2e.game_env(display, work)
    server = None
    try:
        if no_server or not shutil.which("pulseaudio"):
            # As on a desktop without one: nothing names a server, and no
            # socket stands in the runtime folder.
            env.pop("PULSE_SERVER", None)
            print("no sound server: the swaps are played unheard")
        else:
            server = SoundServer(work)
            env["PULSE_SERVER"] = server.address
        starts, in_play = {"game": [], "bare": []}, []
        for _ in range(runs):
            for kind in ("bare", "game"):
                start = time.monotonic()
                if kind == "game":
                    # The centre of Ball11 shows the centre of a ball, not the background.
                    with e2e.Program([game], work, env, "the game") as program:
                        first_content(program, env, "Tumbaro", probe(112 + 25, 32 + 25), is_ball)
                        starts[kind].append(time.monotonic() - start)
                        time.sleep(SETTLE)
                        rest = reading(program.proc.pid)
                        rss, pss = rest[:2]
                        if len(starts[kind]) == runs:
                            cpu0, wake0 = cpu_seconds(program.proc.pid), wakeups(program.proc.pid)
                            time.sleep(IDLE)
                            idle_cpu = cpu_seconds(program.proc.pid) - cpu0
                            idle_wake = wakeups(program.proc.pid) - wake0
                        in_play.append(dict(play_phase(program, env, server, scale), rest=rest))
                else:
                    with e2e.Program([bare], work, env, "the bare window") as program:
                        first_content(program, env, "Bare", probe(137, 57), lambda p: p == (0xB9, 0xD1, 0xEA))
                        starts[kind].append(time.monotonic() - start)
                        if len(starts[kind]) == runs:
                            time.sleep(SETTLE)
                            bare_rss, bare_pss = memory(program.proc.pid)
        g, b = statistics.median(starts["game"]), statistics.median(starts["bare"])
        print(f"| start-up to the first drawn board (median of {runs}) | {g * 1000:.0f} ms | bare window {b * 1000:.0f} ms; game/bare = {g / b:.2f} |")
        print(f"| memory after start, RSS / PSS | {rss:.1f} MB / {pss:.1f} MB | bare window {bare_rss:.1f} MB / {bare_pss:.1f} MB |")
        print(f"| CPU over {IDLE} idle seconds | {idle_cpu * 1000:.0f} ms | {idle_wake} context switches |")
        for key, what in (("rest", f"at rest, {SETTLE} s after the first drawn board"),
                          ("pointer", "after the pointer passed over every control"),
                          ("beep", "after a refused swap and its beep"),
                          ("swap", "after a swap and its sound, the beep played before")):
            values = [figures[key] for figures in in_play if key in figures]
            # Other Qt programs share library pages with the game and lower
            # its PSS; readings taken while one ran count only if none is left.
            alone = [v for v in values if not v[2]] or values
            if values:
                pss = [v[1] for v in alone]
                note = "" if not alone[0][2] else "; other Qt programs ran: PSS too low"
                print(f"| PSS {what} (median of {len(alone)} of {len(values)}) | {statistics.median(pss):.1f} MB | "
                      f"{min(pss):.1f}–{max(pss):.1f} MB; RSS {statistics.median(v[0] for v in alone):.1f} MB{note} |")
    except Exception:
        print("Xvfb alive:", xvfb.poll() is None, open(os.path.join(work, "xvfb.log")).read()[-1500:])
        raise
    finally:
        if server:
            server.close()
        e2e.stop_process(xvfb)
        shutil.rmtree(work, ignore_errors=True)

if __name__ == "__main__":
    main()
