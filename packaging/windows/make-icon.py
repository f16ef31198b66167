#!/usr/bin/env python3
"""Packs the game's PNG icons into one Windows icon file, as Windows wants it for
the executable: make-icon.py OUT.ico IN.png... (each PNG square, at most 256 pixels).
An icon file may hold PNG images whole; only a directory of sizes goes before them."""
import struct
import sys


def size_of(png):
    width, height = struct.unpack(">II", png[16:24])  # the IHDR chunk
    if width != height or width > 256:
        sys.exit("icons must be square and at most 256 pixels")
    return width % 256  # 0 stands for 256


def main(out, *inputs):
    pngs = [open(path, "rb").read() for path in inputs]
    header = struct.pack("<HHH", 0, 1, len(pngs))
    offset = len(header) + 16 * len(pngs)
    directory = b""
    for png in pngs:
        size = size_of(png)
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(png), offset)
        offset += len(png)
    with open(out, "wb") as icon:
        icon.write(header + directory + b"".join(pngs))


main(*sys.argv[1:])
