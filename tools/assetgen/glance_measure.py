#!/usr/bin/env python3
"""How far apart the eight designs of each scheme look at a glance, with
normal sight, under full protanopia, deuteranopia and tritanopia (Machado,
Oliveira and Fernandes 2009, severity 1) and in greyscale.

Each list picture is laid on its scheme's cell colour, blurred by a Gaussian
(2 pixels for the big pictures, 1.2 for the small ones, as the eye takes a
ball in at a glance), seen as each vision sees it and compared pixel by
pixel in CIELAB; two designs are as far apart as the 90th percentile of
those differences. Prints the closest pair of each scheme, size and vision,
for the plain pictures and for those with symbols.

Usage: glance_measure.py [--sharp] [ASSET_DIR]   (default: the assets beside this tool)
  --sharp measures the "@2x" pictures of a doubled screen, with twice the blur.
"""
import math
import os
import struct
import sys
import zlib

VISIONS = {
    "normal": None,
    "protanopia": ((0.152286, 1.052583, -0.204868), (0.114503, 0.786281, 0.099216), (-0.003882, -0.048116, 1.051998)),
    "deuteranopia": ((0.367322, 0.860646, -0.227968), (0.280085, 0.672501, 0.047413), (-0.011820, 0.042940, 0.968881)),
    "tritanopia": ((1.255528, -0.076749, -0.178779), (-0.078411, 0.930809, 0.147602), (0.004733, 0.691367, 0.303900)),
    "greyscale": ((0.2126, 0.7152, 0.0722),) * 3,
}
# The colour of a cell of each scheme's board, where the balls are seen.
CELL = {1: (84, 58, 92), 2: (99, 119, 154), 3: (60, 125, 127)}
BLUR = {"Big": 2.0, "Small": 1.2}


def read_png(path):
    """(width, height, rows of (r, g, b, a)) of an 8-bit RGB or RGBA PNG."""
    data = open(path, "rb").read()
    pos, idat, width = 8, b"", 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            if depth != 8 or colour not in (2, 6):
                raise ValueError(f"{path}: not 8-bit RGB or RGBA")
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw, stride = zlib.decompress(idat), width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up, corner = previous[i], previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append([tuple(line[x * channels:x * channels + channels]) for x in range(width)])
        previous = line
    return width, height, rows


def linear(c):
    c /= 255.0
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def on_cell(path, scheme):
    """The picture laid on its cell, in linear RGB: at scale 1 the game makes
    the bottom-left pixel's colour see-through, at scale 2 the alpha counts."""
    width, height, rows = read_png(path)
    key = rows[-1][0][:3]
    cell = [linear(c) for c in CELL[scheme]]
    out = []
    for row in rows:
        line = []
        for p in row:
            a = 0.0 if len(p) == 3 and p == key else (p[3] / 255.0 if len(p) == 4 else 1.0)
            line.append(tuple(linear(p[i]) * a + cell[i] * (1 - a) for i in range(3)))
        out.append(line)
    return out


def blurred(image, sigma):
    """A Gaussian blur, the edges held."""
    radius = int(math.ceil(3 * sigma))
    kernel = [math.exp(-k * k / (2 * sigma * sigma)) for k in range(-radius, radius + 1)]
    total = sum(kernel)
    kernel = [k / total for k in kernel]
    height, width = len(image), len(image[0])

    def along(get, n):
        return [tuple(sum(kernel[k + radius] * get(min(max(i + k, 0), n - 1))[c] for k in range(-radius, radius + 1))
                      for c in range(3)) for i in range(n)]
    rows = [along(lambda i, r=r: r[i], width) for r in image]
    columns = [along(lambda i, x=x: rows[i][x], height) for x in range(width)]
    return [[columns[x][y] for x in range(width)] for y in range(height)]


def lab(rgb):
    def f(t):
        return t ** (1 / 3) if t > 216 / 24389 else (24389 / 27 * t + 16) / 116
    r, g, b = (min(max(c, 0.0), 1.0) for c in rgb)
    x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047
    y = 0.2126 * r + 0.7152 * g + 0.0722 * b
    z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883
    fx, fy, fz = f(x), f(y), f(z)
    return 116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)


def seen(image, matrix):
    # Blurring and the simulations are both linear in linear RGB, so one
    # blurred picture serves every vision.
    pixels = [p for row in image for p in row]
    if matrix is not None:
        pixels = [tuple(sum(m[i] * p[i] for i in range(3)) for m in matrix) for p in pixels]
    return [lab(p) for p in pixels]


def apart(a, b):
    d = sorted(math.dist(p, q) for p, q in zip(a, b))
    return d[int(0.9 * (len(d) - 1))]


def main():
    args = sys.argv[1:]
    sharp = "--sharp" in args
    args = [a for a in args if a != "--sharp"]
    root = args[0] if args else os.path.join(os.path.dirname(__file__), "..", "..", "assets")
    suffix, density = ("@2x", 2) if sharp else ("", 1)
    worst = {}
    print("set      scheme size   vision        closest pair  distance")
    for label, folder in (("plain", root), ("symbols", os.path.join(root, "symbols"))):
        for scheme in (1, 2, 3):
            for size, sigma in BLUR.items():
                pictures = [blurred(on_cell(os.path.join(folder, f"Sxema{scheme}{size}", f"{k}{suffix}.png"), scheme),
                                    sigma * density) for k in range(8)]
                for vision, matrix in VISIONS.items():
                    views = [seen(p, matrix) for p in pictures]
                    d, a, b = min((apart(views[a], views[b]), a, b) for a in range(8) for b in range(a + 1, 8))
                    worst[label] = min(worst.get(label, 1e9), d)
                    print(f"{label:8} {scheme:6} {size:6} {vision:13} {a} and {b}       {d:6.1f}")
    print("closest of all: " + ", ".join(f"{k} {v:.1f}" for k, v in worst.items()))


if __name__ == "__main__":
    main()
