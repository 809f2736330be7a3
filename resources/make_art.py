#!/usr/bin/env python3
"""Draws the program's icon (orvendale.ico) and hand pointer (HAND-M.CUR) as 32-bit icon resources.

Run it after changing the art; its outputs are committed so that a build needs no Python.
"""
import struct
import sys
from pathlib import Path

HAND = """
..........XX....................
.........X..X...................
.........X..X...................
.........X..X...................
.........X..X...................
.........X..XXX.................
.........X..X..XXX..............
.........X..X..X..XX............
.....XX..X..X..X..X.X...........
.....X.X.X.....X..X..X..........
.....X..XX..........X.X.........
......X..X............X.........
.......X..............X.........
.......X..............X.........
........X.............X.........
........X............X..........
.........X...........X..........
.........X..........X...........
..........X.........X...........
..........XXXXXXXXXXX...........
"""
HAND_HOT_SPOT = (10, 0)  # the tip of the pointing finger


def hand_pixels(size=32):
    rows = [line for line in HAND.strip("\n").split("\n")]
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    for y, line in enumerate(rows):
        for x, c in enumerate(line):
            if c == "X":
                pixels[y][x] = (0, 0, 0, 255)
    # Fill the inside white: every transparent pixel enclosed by the outline on its row.
    for y, line in enumerate(rows):
        xs = [x for x, c in enumerate(line) if c == "X"]
        if len(xs) < 2:
            continue
        for x in range(xs[0] + 1, xs[-1]):
            if line[x] == "." and inside(rows, x, y):
                pixels[y][x] = (255, 255, 255, 255)
    return pixels


def inside(rows, x, y):
    """A pixel is inside the hand when outline pixels bound it left, right and above on its row and column."""
    left = "X" in rows[y][:x]
    right = "X" in rows[y][x + 1:]
    up = any(rows[j][x] == "X" for j in range(0, y) if x < len(rows[j]))
    down = any(rows[j][x] == "X" for j in range(y + 1, len(rows)) if x < len(rows[j]))
    return left and right and up and down


def icon_pixels(size):
    """A blue tile with a white list of three rows, the middle one ticked in green."""
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    s = size / 32.0
    for y in range(size):
        for x in range(size):
            inset = 1 * s
            if inset <= x < size - inset and inset <= y < size - inset:
                corner = 4 * s
                dx = max(corner - x, 0, x - (size - 1 - corner))
                dy = max(corner - y, 0, y - (size - 1 - corner))
                if dx * dx + dy * dy <= corner * corner:
                    px[y][x] = (40, 92, 170, 255)
    for row in range(3):
        top = int((7 + row * 7) * s)
        for y in range(top, top + max(1, int(4 * s))):
            for x in range(int(6 * s), int(26 * s)):
                px[y][x] = (255, 255, 255, 255)
        box_left = int(6 * s)
        for y in range(top, top + max(1, int(4 * s))):
            for x in range(box_left, box_left + max(1, int(4 * s))):
                px[y][x] = (60, 170, 80, 255) if row == 1 else (200, 210, 225, 255)
    return px


def image_entry(pixels):
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(struct.pack("<BBBB", b, g, r, a) for row in reversed(pixels) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    and_rows = []
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_rows.append(bytes(bits))
    return header + xor + b"".join(and_rows)


def write_resource(path, kind, images, hot_spot=(0, 0)):
    count = len(images)
    out = struct.pack("<HHH", 0, kind, count)
    offset = 6 + 16 * count
    blobs = []
    for pixels in images:
        blob = image_entry(pixels)
        size = len(pixels)
        planes, bits = (1, 32) if kind == 1 else hot_spot
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, planes, bits, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    Path(path).write_bytes(out + b"".join(blobs))


def main():
    here = Path(__file__).resolve().parent
    write_resource(here / "orvendale.ico", 1, [icon_pixels(16), icon_pixels(32), icon_pixels(48)])
    write_resource(here / "HAND-M.CUR", 2, [hand_pixels()], HAND_HOT_SPOT)
    return 0


if __name__ == "__main__":
    sys.exit(main())
