#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
"""Reads a PWG raster file as an IPP Everywhere printer receives it.

Prints, as KEY=VALUE lines, of the first page: pages (the file's count),
dpi, width and height in dots, bits (per dot), colors (per dot) and space
(the CUPS colour space: 18 grey, 19 sRGB, 3 black); the box of the dots that
are not white (ink_left ink_top ink_right ink_bottom, inclusive) and the
commonest dot value in that box with its share of the box (ink_value, a
byte, e.g. a grey level, and ink_share, 0 to 1); and, when a colour is
given, the box of the dots of that exact colour (left top right bottom,
inclusive), e.g. colour 255,0,51.

    pwg_raster.py FILE [R,G,B]
"""
import collections
import struct
import sys

# Colour spaces whose 0 means no ink: a page starts white as zeros.
INK_SPACES = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14} | set(range(48, 63))


def pages(data):
    if data[:4] != b"RaS2":
        raise SystemExit("not a PWG raster file")
    at = 4
    while at < len(data):
        header = data[at : at + 1796]
        at += 1796
        dpi = struct.unpack(">I", header[276:280])[0]
        width, height = struct.unpack(">II", header[372:380])
        bits, line_bytes = struct.unpack(">II", header[388:396])
        space = struct.unpack(">I", header[400:404])[0]
        colors = struct.unpack(">I", header[420:424])[0]
        white = b"\x00" if space in INK_SPACES else b"\xff"
        # Runs count whole dots, or bytes when a dot is less than one.
        pixel = max(1, bits // 8)
        lines = []
        while len(lines) < height:
            repeat = data[at] + 1
            at += 1
            line = bytearray()
            while len(line) < line_bytes:
                count = data[at]
                at += 1
                if count == 128:  # white to the end of the line
                    line += white * (line_bytes - len(line))
                elif count < 128:
                    line += data[at : at + pixel] * (count + 1)
                    at += pixel
                else:
                    size = (257 - count) * pixel
                    line += data[at : at + size]
                    at += size
            lines += [bytes(line)] * repeat
        page = dict(dpi=dpi, width=width, height=height, bits=bits, colors=colors, space=space)
        yield page, white, lines[:height]


def colour_box(lines, colour, pixel):
    box = None
    for y, line in enumerate(lines):
        x = line.find(colour)
        while x >= 0 and x % pixel:
            x = line.find(colour, x + 1)
        if x < 0:
            continue
        right = line.rfind(colour)
        while right % pixel:
            right = line.rfind(colour, 0, right)
        left, right = x // pixel, right // pixel
        box = (left, y, right, y) if box is None else (
            min(box[0], left), box[1], max(box[2], right), y)
    return box


# The box of the dots that are not white, in dots (a byte of dots below 8
# bits); the commonest byte value inside it and its share.
def ink(lines, white, bits):
    per_byte = max(1, 8 // bits)
    pixel = max(1, bits // 8)
    box = None
    for y, line in enumerate(lines):
        if not line.strip(white):
            continue
        # The first and last bytes that are not white lie in the first and
        # last dots that are not.
        first = len(line) - len(line.lstrip(white))
        last = len(line.rstrip(white)) - 1
        left = first // pixel * per_byte
        right = (last // pixel + 1) * per_byte - 1
        if bits == 1:  # to the dot: the first and last inked bits
            head, tail = line[first] ^ white[0], line[last] ^ white[0]
            left += 8 - head.bit_length()
            right -= (tail & -tail).bit_length() - 1
        box = (left, y, right, y) if box is None else (
            min(box[0], left), box[1], max(box[2], right), y)
    if box is None:
        return None
    counts = collections.Counter()
    first, last = box[0] // per_byte * pixel, (box[2] // per_byte + 1) * pixel
    for line in lines[box[1] : box[3] + 1]:
        counts.update(line[first:last])
    value, count = counts.most_common(1)[0]
    return box, value, count / sum(counts.values())


def main():
    path = sys.argv[1]
    found = list(pages(open(path, "rb").read()))
    page, white, lines = found[0]
    print(f"pages={len(found)}")
    for key, value in page.items():
        print(f"{key}={value}")
    marked = ink(lines, white, page["bits"])
    if marked:
        box, value, share = marked
        print("ink_left={}\nink_top={}\nink_right={}\nink_bottom={}".format(*box))
        print(f"ink_value={value}\nink_share={share:.3f}")
    if len(sys.argv) > 2:
        colour = bytes(int(c) for c in sys.argv[2].split(","))
        box = colour_box(lines, colour, page["bits"] // 8) if page["bits"] == 8 * len(colour) else None
        if box:
            print("left={}\ntop={}\nright={}\nbottom={}".format(*box))


main()
