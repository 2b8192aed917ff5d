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


def pixel(env, x, y):
    out = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth", "8", "rgb:-"],
                         env=env, capture_output=True).stdout
    return tuple(out[:3]) if len(out) >= 3 else None


def first_content(cmd, cwd, env, title, probe, wanted):
    """Seconds from launch until the probe pixel (window coordinates) shows `wanted`."""
    start = time.monotonic()
    proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    window = e2e.find_window(env, f"^{title}$")
    if window is None:
        proc.kill()
        raise RuntimeError(f"{title} never showed its window: {proc.communicate()[1][-2000:]}")
    geometry = e2e.window_geometry(env, window)
    x, y = geometry["X"] + probe[0], geometry["Y"] + probe[1]
    while time.monotonic() - start < 10:
        p = pixel(env, x, y)
        if p and wanted(p):
            return proc, time.monotonic() - start
    raise RuntimeError(f"{title} never drew its content")


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
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 5
    work = tempfile.mkdtemp(prefix="tumbaro-measure-")
    for name in os.listdir(runtime):
        src = os.path.join(runtime, name)
        (shutil.copytree if os.path.isdir(src) else shutil.copy)(src, os.path.join(work, name))
    xvfb_log = open(os.path.join(work, "xvfb.log"), "w")
    xvfb, display = e2e.start_xvfb(xvfb_log)
    env = e2e.game_env(display, work)
    try:
        starts = {"game": [], "bare": []}
        for _ in range(runs):
            for kind in ("bare", "game"):
                if kind == "game":
                    # A cell's centre: any ball is brighter than black.
                    proc, t = first_content([game], work, env, "Tumbaro", (112 + 25, 32 + 25),
                                            lambda p: sum(p) > 60)
                else:
                    proc, t = first_content([bare], work, env, "Bare", (137, 57),
                                            lambda p: p == (0xB9, 0xD1, 0xEA))
                starts[kind].append(t)
                if len(starts[kind]) == runs and kind == "game":
                    time.sleep(2)
                    rss, pss = memory(proc.pid)
                    cpu0, wake0 = cpu_seconds(proc.pid), wakeups(proc.pid)
                    time.sleep(10)
                    idle_cpu, idle_wake = cpu_seconds(proc.pid) - cpu0, wakeups(proc.pid) - wake0
                if len(starts[kind]) == runs and kind == "bare":
                    time.sleep(2)
                    bare_rss, bare_pss = memory(proc.pid)
                proc.kill()
                proc.wait()
        g, b = statistics.median(starts["game"]), statistics.median(starts["bare"])
        print(f"| start-up to the first drawn board (median of {runs}) | {g * 1000:.0f} ms | bare window {b * 1000:.0f} ms; game/bare = {g / b:.2f} |")
        print(f"| memory after start, RSS / PSS | {rss:.1f} MB / {pss:.1f} MB | bare window {bare_rss:.1f} MB / {bare_pss:.1f} MB |")
        print(f"| CPU over 10 idle seconds | {idle_cpu * 1000:.0f} ms | {idle_wake} context switches |")
    except Exception:
        print("Xvfb alive:", xvfb.poll() is None, open(os.path.join(work, "xvfb.log")).read()[-1500:])
        raise
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
