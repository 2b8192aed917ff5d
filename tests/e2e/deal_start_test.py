#!/usr/bin/env python3
"""Deals named on the command line under a pinned clock: `--deal 12345` and
`--today` show the replay tool's 64 cells for their number, the same all day
and another the next; a bad number exits 2 before any window; `--statistics`
opens on a log of each way and a torn line (its picture kept in OUTPUT_DIR).

Usage: deal_start_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR OUTPUT_DIR
"""
import os
import pathlib
import subprocess
import sys
import tempfile

from xdisplay import (Program, Screen, frozen, game_env, load_picture, prepare_work, private_display, run,
                      samples, window_geometry)

DAYS = [("2026-12-08 09:00:00", 20261208), ("2026-12-08 23:59:00", 20261208), ("2026-12-09 00:00:30", 20261209)]
LOG = ("2026-12-08T09:00:00Z classic 20261208 150 9 10 1 60 no-undo ended\n"
       "2026-12-08T09:05:00Z timed 20261208 300 20 21 2 120 undo replaced\n"
       "2026-12-08T09:10:00Z zen 12345 450 30 31 3 600 no-undo ended\n"
       "2026-12-08T09:20:00Z classic 1 99")


def replay_deal(replay, number):
    return [[int(ch) for ch in row] for row in run([replay, str(number)]).splitlines()[1:9]]


def main():
    game_binary, replay, source, output = map(os.path.abspath, sys.argv[1:5])
    balls = [samples(load_picture(os.path.join(source, "assets", "Sxema1Big", f"{k}.png"))) for k in range(8)]
    with tempfile.TemporaryDirectory(prefix="tumbaro-e2e-") as work, private_display() as display:
        prepare_work(source, work, ["b1.jpg", "b2.jpg", "b3.jpg", "CHANGE.WAV", "H.dat", "H2.dat"])
        env = game_env(display, work)
        for bad in ("x", "-1", "4294967296"):
            done = subprocess.run([game_binary, "--deal", bad], cwd=work, env=env, capture_output=True, text=True,
                                  timeout=30)
            assert done.returncode == 2 and bad in done.stderr, (bad, done.returncode, done.stderr)
        print("--deal x, -1 and 4294967296: status 2, the text named on stderr")

        starts = [("2026-12-08 09:00:00", ["--deal", "12345"], 12345)] + [(when, ["--today"], n) for when, n in DAYS]
        for when, args, number in starts:
            with Program(frozen(when, [game_binary, *args]), work, env) as game:
                Screen(game).wait_board(balls, replay_deal(replay, number), f"deal {number} at {when}")
            print(f"{' '.join(args)} at {when}: the 64 cells of deal {number}")

        log = pathlib.Path(work, "data", "tumbaro", "games.log")
        log.parent.mkdir(parents=True, exist_ok=True)
        log.write_text(LOG)
        with Program(frozen(DAYS[0][0], [game_binary, "--statistics"]), work, env) as game:
            window = game.window("^Statistics$", mapped=True)
            picture = os.path.join(output, "statistics.png")
            geometry = window_geometry(env, window)
            assert geometry["WIDTH"] > 300 and geometry["HEIGHT"] > 200, geometry
            run(["import", "-window", window, picture], env=env, text=False)
            print(f"--statistics: the window is open, its picture in {picture}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
