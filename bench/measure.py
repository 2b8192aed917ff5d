#!/usr/bin/env python3
"""Measures the game against a bare Qt window of the same size on one Xvfb:
time from launch to the first drawn board, resident and proportional memory,
CPU used while idle. Prints a Markdown table row per figure.

Usage: measure.py GAME BARE_WINDOW RUNTIME_FOLDER [RUNS]
"""
import os
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
COLOUR_TOLERANCE = 8
# The balls of the first scheme, which a fresh start shows.
BALLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets", "Sxema1Big")


def pixel(env, x, y):
    out = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth", "8", "rgb:-"],
                         env=env, capture_output=True).stdout
    return tuple(out[:3]) if len(out) >= 3 else None


def first_content(program, env, title, probe, wanted):
    """Waits until the probe pixel (window coordinates) of the program's window
    shows `wanted`; fails with what the program said if it never does."""
    # No pause between searches or polls: each one is a timing sample.
    geometry = e2e.window_geometry(env, program.window(f"^{title}$", interval=0))
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


def main():
    game, bare, runtime = sys.argv[1:4]

    def is_ball(p):
        return any(max(abs(a - b) for a, b in zip(p, c)) <= COLOUR_TOLERANCE for c in centres)

    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 5
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
    try:
        starts = {"game": [], "bare": []}
        for _ in range(runs):
            for kind in ("bare", "game"):
                start = time.monotonic()
                if kind == "game":
                    # The centre of Ball11 shows the centre of a ball, not the background.
                    with e2e.Program([game], work, env, "the game") as program:
                        first_content(program, env, "Tumbaro", probe(112 + 25, 32 + 25), is_ball)
                        starts[kind].append(time.monotonic() - start)
                        if len(starts[kind]) == runs:
                            time.sleep(SETTLE)
                            rss, pss = memory(program.proc.pid)
                            cpu0, wake0 = cpu_seconds(program.proc.pid), wakeups(program.proc.pid)
                            time.sleep(IDLE)
                            idle_cpu = cpu_seconds(program.proc.pid) - cpu0
                            idle_wake = wakeups(program.proc.pid) - wake0
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
    except Exception:
        print("Xvfb alive:", xvfb.poll() is None, open(os.path.join(work, "xvfb.log")).read()[-1500:])
        raise
    finally:
        e2e.stop_process(xvfb)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
