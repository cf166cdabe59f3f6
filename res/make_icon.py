#!/usr/bin/env python3
"""Writes res/zentik.ico: one 32 x 32 image in 16 colours, a clock face at ten past ten.

Run from anywhere: python3 res/make_icon.py. The output is the same byte for
byte on every run, so the committed icon can be checked against the script.
"""
import math
import os
import struct

SIZE = 32

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, NAVY, GREY, RED, WHITE = 0, 4, 8, 9, 15
TRANSPARENT = None


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def hand_tip(cx, cy, minutes_on_dial, length):
    """End of a hand pointing at a position of the dial given in minutes (0 = twelve)."""
    angle = math.radians(minutes_on_dial * 6)
    return cx + length * math.sin(angle), cy - length * math.cos(angle)


def pixel(x, y):
    """Colour index of the pixel whose top-left corner is (x, y), rows counted from the top."""
    cx = cy = (SIZE - 1) / 2
    r = math.hypot(x - cx, y - cy)
    if r > 15.4:
        return TRANSPARENT
    if r > 13.4:
        return NAVY
    if r < 1.3:
        return RED
    hour_x, hour_y = hand_tip(cx, cy, 10 * 5 + 10 / 12 * 5, 7.5)
    minute_x, minute_y = hand_tip(cx, cy, 10, 11.0)
    if distance_to_segment(x, y, cx, cy, hour_x, hour_y) < 1.5:
        return BLACK
    if distance_to_segment(x, y, cx, cy, minute_x, minute_y) < 0.75:
        return BLACK
    # Hour marks: a short stroke at each of the twelve positions, longer at the quarters.
    for hour in range(12):
        inner = 9.5 if hour % 3 == 0 else 11.0
        ax, ay = hand_tip(cx, cy, hour * 5, inner)
        bx, by = hand_tip(cx, cy, hour * 5, 12.6)
        if distance_to_segment(x, y, ax, ay, bx, by) < 0.6:
            return GREY if hour % 3 else NAVY
    return WHITE


def icon_bytes():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    # Both bitmaps are stored bottom-up; the colour one at 4 bits per pixel,
    # the mask at 1 bit per pixel (1 = transparent), each row a multiple of 4 bytes.
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        for x in range(0, SIZE, 2):
            hi, lo = row[x] or 0, row[x + 1] or 0
            xor.append(hi << 4 | lo)
        bits = 0
        for x in range(SIZE):
            bits = bits << 1 | (row[x] is TRANSPARENT)
        mask += bits.to_bytes(SIZE // 8, "big")
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    # The header's height counts both bitmaps.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), len(directory) + 16)
    return directory + entry + image


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "zentik.ico")
    with open(path, "wb") as f:
        f.write(icon_bytes())


if __name__ == "__main__":
    main()
