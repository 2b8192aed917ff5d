#!/usr/bin/env python3
"""A second, independent model of the game's rules, written straight from the
rules rather than from the C++ code, used to check tumbaro-replay's output.

Usage: reference_replay.py SEED --auto N   (prints what tumbaro-replay prints)
       reference_replay.py --check REPLAY_BINARY SEED... (compares, exit 1 on a difference)
"""
import subprocess
import sys

EMPTY = 10
M64 = (1 << 64) - 1


class Rng:
    def __init__(self, t):
        self.hi = 0
        self.lo = (t * 22695477 + 1) & 0xFFFFFFFF

    def colour(self):
        # Written with 32-bit halves on purpose: an independent route to the same state.
        lo, hi = self.lo, self.hi
        p = lo * 20021
        new_lo = (p + 1) & 0xFFFFFFFF
        carry = (p + 1) >> 32
        new_hi = (carry + 346 * lo + 20021 * hi) & 0xFFFFFFFF
        self.lo, self.hi = new_lo, new_hi
        return (new_hi & 0x7FFFFFFF) % 8


# Every three cells in a line: down each column, then along each row.
TRIPLES = ([((r, c), (r + 1, c), (r + 2, c)) for r in range(6) for c in range(8)]
           + [((r, c), (r, c + 1), (r, c + 2)) for r in range(8) for c in range(6)])


def find_line(b):
    return any(b[r][c] != EMPTY and b[r][c] == b[r1][c1] == b[r2][c2] for (r, c), (r1, c1), (r2, c2) in TRIPLES)


def first_move(b):
    # Brute force: the first neighbour swap, row by row, that makes a line.
    for r in range(8):
        for c in range(8):
            for r2, c2 in ((r, c + 1), (r + 1, c)):
                if r2 < 8 and c2 < 8:
                    s = [row[:] for row in b]
                    s[r][c], s[r2][c2] = s[r2][c2], s[r][c]
                    if find_line(s):
                        return r, c, r2, c2
    return None


def deal(rng):
    b = [[rng.colour() for _ in range(8)] for _ in range(8)]
    changed = True
    while changed:
        changed = False
        for (r, c), (r1, c1), (r2, c2) in TRIPLES:
            if b[r][c] == b[r1][c1] == b[r2][c2]:
                b[r1][c1] = rng.colour()
                b[r2][c2] = rng.colour()
                changed = True
    return b


def remove_lines(w):
    points, lines = 0, 0
    for length, pts in ((5, 50), (4, 30), (3, 15)):
        runs = [[(r + k, c) for k in range(length)] for r in range(9 - length) for c in range(8)]
        runs += [[(r, c + k) for k in range(length)] for r in range(8) for c in range(9 - length)]
        for run in runs:
            vals = {w[r][c] for r, c in run}
            if len(vals) == 1 and EMPTY not in vals:
                for r, c in run:
                    w[r][c] = EMPTY
                points += pts
                lines += 1
    return points, lines


def fall(w, rng):
    while any(EMPTY in row for row in w):
        for r in range(7, -1, -1):
            for c in range(7, -1, -1):
                if w[r][c] != EMPTY:
                    continue
                if r > 0 and w[r - 1][c] != EMPTY:
                    w[r][c], w[r - 1][c] = w[r - 1][c], EMPTY
                elif r == 0:
                    w[0][c] = rng.colour()


def board_text(b):
    return ["".join(str(v) for v in row) for row in b]


def play(seed, n):
    out = []
    rng = Rng(seed)
    b = deal(rng)
    out += ["deal"] + board_text(b)
    score, moves = 0, 0
    while moves < n:
        move = first_move(b)
        if move is None:
            out.append("no move")
            b = deal(rng)
            score = 0
            out += ["deal"] + board_text(b)
            continue
        r, c, r2, c2 = move
        w = [row[:] for row in b]
        w[r][c], w[r2][c2] = w[r2][c2], w[r][c]
        lines = cascades = 0
        while True:
            pts, n_lines = remove_lines(w)
            score += pts
            lines += n_lines
            fall(w, rng)
            if not find_line(w):
                break
            cascades += 1
        b = w
        moves += 1
        out.append(f"accepted {r + 1}{c + 1}-{r2 + 1}{c2 + 1} score {score} lines {lines} cascades {cascades}")
        out += board_text(b)
        if first_move(b) is None:
            out.append(f"game over score {score}")
            b = deal(rng)
            score = 0
            out += ["deal"] + board_text(b)
    return out


def main():
    if sys.argv[1] == "--check":
        binary, seeds = sys.argv[2], sys.argv[3:]
        for seed in seeds:
            expected = play(int(seed), 150)
            got = subprocess.run([binary, seed, "--auto", "150"], capture_output=True, text=True,
                                 check=True).stdout.splitlines()
            if got != expected:
                at = next((i for i, (g, e) in enumerate(zip(got, expected)) if g != e), min(len(got), len(expected)))
                print(f"seed {seed}: line {at + 1}: got {got[at:at + 1]}, expected {expected[at:at + 1]}")
                return 1
        print(f"{len(seeds)} seeds agree")
        return 0
    print("\n".join(play(int(sys.argv[1]), int(sys.argv[3]))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
