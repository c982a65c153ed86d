#!/usr/bin/env python3
"""Writes the PNG images the render tests and the benchmark draw (plain zlib, no imaging library).

Every picture is defined by a formula that the tests repeat, so the pixels they expect are known
exactly without committing binary files.
"""
import os
import struct
import sys
import zlib


def write_png(path, width, height, pixel):
    """pixel(x, y) -> (r, g, b, a)."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows.extend(bytes(pixel(x, y)))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def nine_slice(x, y):
    # Region code of a 160x40 button with 5-pixel borders, repeated in RenderTestSupport.h.
    cx = 0 if x < 5 else (2 if x >= 155 else 1)
    cy = 0 if y < 5 else (2 if y >= 35 else 1)
    return (40 * cx + 30 * cy + 10, x, (y * 5) & 0xFF, 255)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_png(os.path.join(out, "btn_setup.png"), 160, 40, nine_slice)
    # 14x28: upper half red, lower half blue (a check box's two states).
    write_png(os.path.join(out, "common_choose.png"), 14, 28,
              lambda x, y: (255, 0, 0, 255) if y < 14 else (0, 0, 255, 255))
    write_png(os.path.join(out, "opaque.png"), 20, 20, lambda x, y: (0x20, 0x80, 0xF0, 255))
    write_png(os.path.join(out, "half_white.png"), 20, 20, lambda x, y: (255, 255, 255, 128))
    # 4x4 tile: left half black, right half white, for tiling.
    write_png(os.path.join(out, "tile.png"), 4, 4,
              lambda x, y: (0, 0, 0, 255) if x < 2 else (255, 255, 255, 255))
    # 4x4 tile whose colour changes along both axes, so tiling and stretching differ in y too.
    write_png(os.path.join(out, "grid.png"), 4, 4, lambda x, y: (10 + 60 * x, 10 + 60 * y, 128, 255))
    # An image that also exists in a 150 % version, to check the scaled-name rule.
    write_png(os.path.join(out, "scaled.png"), 10, 10, lambda x, y: (255, 0, 0, 255))
    write_png(os.path.join(out, "scaled@150.png"), 15, 15, lambda x, y: (0, 255, 0, 255))
    # Three 8x8 frames side by side: red, green, blue.
    write_png(os.path.join(out, "frames.png"), 24, 8,
              lambda x, y: [(255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 255)][x // 8])
    # A 600x400 page background with soft colour changes, as the installer's pages have.
    write_png(os.path.join(out, "page_home.png"), 600, 400,
              lambda x, y: (30 + x * 200 // 600, 90 + y * 120 // 400, 200 - (x + y) * 100 // 1000, 255))


if __name__ == "__main__":
    main()
