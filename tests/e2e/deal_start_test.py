#!/usr/bin/env python3
"""Deals named on the command line under a pinned clock: `--deal 12345` and
`--today` show the replay tool's 64 cells for their number, the same all day
and another the next; a bad number exits 2 before any window; `--statistics`
opens the statistics window instead of the game.

Usage: deal_start_test.py GAME_BINARY REPLAY_BINARY SOURCE_DIR
"""
import os
import subprocess
import sys
import tempfile

from xdisplay import Program, Screen, ball_samples, frozen, game_env, prepare_work, private_display, run

DAYS = [("2026-12-08 09:00:00", 20261208), ("2026-12-08 23:59:00", 20261208), ("2026-12-09 00:00:30", 20261209)]


def main():
    game_binary, replay, source = map(os.path.abspath, sys.argv[1:4])
    balls = ball_samples(source)
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
            deal = [[int(ch) for ch in row] for row in run([replay, str(number)]).splitlines()[1:9]]
            with Program(frozen(when, [game_binary, *args]), work, env) as game:
                Screen(game).wait_board(balls, deal, f"deal {number} at {when}")
            print(f"{' '.join(args)} at {when}: the 64 cells of deal {number}")

        with Program([game_binary, "--statistics"], work, env) as game:
            game.window("^Statistics$", mapped=True)
        print("--statistics: the statistics window opened")


if __name__ == "__main__":
    sys.exit(main())
