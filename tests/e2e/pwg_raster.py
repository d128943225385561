#!/usr/bin/env python3
"""Reads a PWG raster file as an IPP Everywhere printer receives it.

Prints, as KEY=VALUE lines: pages, the first page's dpi, width and height in
dots, and the box of the dots of one exact colour on it (left top right
bottom, inclusive), e.g. colour 255,0,51.

    pwg_raster.py FILE R,G,B
"""
import struct
import sys


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
        pixel = bits // 8
        lines = []
        while len(lines) < height:
            repeat = data[at] + 1
            at += 1
            line = bytearray()
            while len(line) < line_bytes:
                count = data[at]
                at += 1
                if count == 128:  # white to the end of the line
                    line += b"\xff" * (line_bytes - len(line))
                elif count < 128:
                    line += data[at : at + pixel] * (count + 1)
                    at += pixel
                else:
                    size = (257 - count) * pixel
                    line += data[at : at + size]
                    at += size
            lines += [bytes(line)] * repeat
        yield dpi, width, height, pixel, lines[:height]


def main():
    path, colour = sys.argv[1], bytes(int(c) for c in sys.argv[2].split(","))
    found = list(pages(open(path, "rb").read()))
    dpi, width, height, pixel, lines = found[0]
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
    print(f"pages={len(found)}\ndpi={dpi}\nwidth={width}\nheight={height}")
    if box:
        print("left={}\ntop={}\nright={}\nbottom={}".format(*box))


main()
