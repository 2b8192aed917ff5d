#!/usr/bin/env python3
"""What a translation costs at start, under C and under another desktop
language taken in turn: the game on one Xvfb timed from launch to the first
drawn board, and its memory once it has settled; and the start timed inside
the program, in CPU time, by bench/language_start, a figure that a screenshot
poll of 30 ms cannot blur. Prints a Markdown table row per figure: the
medians and their difference.

Usage: language_cost.py GAME LANGUAGE_START RUNTIME_FOLDER [LANG] [RUNS]
"""
import os
import shutil
import subprocess
import statistics
import sys
import tempfile
import time

import measure
from measure import e2e


# Memory is read after a settling pause, so fewer starts measure it; the
# in-program start is quick and noisy, so more of those.
MEMORY_RUNS = 7
INSIDE_PER_RUN = 3


def memory(pid):
    """(RSS, PSS, private) in MB. PSS shares library pages with whatever else
    maps them, so it moves with the other Qt programs running; the private
    pages are the process's own."""
    fields = {}
    with open(f"/proc/{pid}/smaps_rollup") as f:
        for line in f:
            parts = line.split()
            if len(parts) >= 2 and parts[0].endswith(":"):
                fields[parts[0][:-1]] = int(parts[1]) / 1024
    return fields["Rss"], fields["Pss"], fields["Private_Clean"] + fields["Private_Dirty"]


def start(game, work, env, is_ball, settle):
    """(seconds to the first drawn board, memory() once settled or None)."""
    began = time.monotonic()
    with e2e.Program([game], work, env, "the game") as program:
        measure.first_content(program, env, "Tumbaro", (112 + 25, 32 + 25), is_ball)
        seconds = time.monotonic() - began
        if not settle:
            return seconds, None
        time.sleep(measure.SETTLE)
        return seconds, memory(program.proc.pid)


def inside(bench, work, env, translated):
    """The milliseconds of CPU time bench/language_start reports for one start."""
    out = subprocess.run([bench, work], env=dict(env, QT_QPA_PLATFORM="offscreen"), check=True,
                         capture_output=True, text=True).stdout.split()
    assert (out[2] != "(none)") == translated, f"{env['LANG']}: the start took translation {out[2]}"
    return float(out[1])


def row(what, unit, figures, language, runs):
    c, other = (statistics.median(f) for f in figures)
    digits = 2 if unit == "MB" else 1
    print(f"| {what}, C / {language} (median of {runs} each, taken in turn) | "
          f"{c:.{digits}f} {unit} / {other:.{digits}f} {unit} | {other - c:+.{digits}f} {unit} |")


def main():
    game, bench, runtime = map(os.path.abspath, sys.argv[1:4])
    language = sys.argv[4] if len(sys.argv) > 4 else "de_DE.UTF-8"
    runs = int(sys.argv[5]) if len(sys.argv) > 5 else 31
    centres = [measure.ball_centre(os.path.join(measure.BALLS, f"{k}.png")) for k in range(8)]

    def is_ball(p):
        return any(max(abs(a - b) for a, b in zip(p, c)) <= measure.COLOUR_TOLERANCE for c in centres)

    work = tempfile.mkdtemp(prefix="tumbaro-language-")
    for name in os.listdir(runtime):
        source = os.path.join(runtime, name)
        (shutil.copytree if os.path.isdir(source) else shutil.copy)(source, os.path.join(work, name))
    xvfb, display = e2e.start_xvfb(open(os.path.join(work, "xvfb.log"), "w"))
    try:
        base = e2e.game_env(display, work)
        for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            base.pop(name, None)
        envs = {"C.UTF-8": dict(base, LANG="C.UTF-8"), language: dict(base, LANG=language)}
        start(game, work, envs["C.UTF-8"], is_ball, False)  # warms the caches for both
        own, starts, pss = ([[], []] for _ in range(3))
        for k in range(runs):
            for slot, env in enumerate(envs.values()):
                own[slot] += [inside(bench, work, env, slot == 1) for _ in range(INSIDE_PER_RUN)]
                seconds, memory = start(game, work, env, is_ball, k < MEMORY_RUNS)
                starts[slot].append(seconds * 1000)
                if memory is not None:
                    pss[slot].append(memory)
        row("CPU time of the start inside the program, to the first frame", "ms", own, language,
            runs * INSIDE_PER_RUN)
        row("start-up to the first drawn board", "ms", starts, language, runs)
        for k, what in enumerate(("RSS", "PSS", "private memory")):
            row(f"{what} {measure.SETTLE} s after start", "MB", [[m[k] for m in p] for p in pss], language,
                min(runs, MEMORY_RUNS))
    finally:
        e2e.stop_process(xvfb)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
