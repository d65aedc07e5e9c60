#!/usr/bin/env python3
"""Draws the program's icon: a plain generic window (frame, title bar, empty
client area) as hicolor PNGs and one SVG. Run from this folder; the outputs
are committed, so a build needs no Python."""

import struct
import zlib

SIZES = (16, 24, 32, 48, 64, 128, 256)
FRAME = (0x3C, 0x3C, 0x3C, 0xFF)
TITLE = (0x6B, 0x7B, 0x8C, 0xFF)
CLIENT = (0xF4, 0xF4, 0xF4, 0xFF)
CLEAR = (0, 0, 0, 0)


def geometry(size):
    margin = max(1, size // 16)
    border = max(1, size // 32)
    title = max(3, size // 5)
    return margin, border, title


def pixel(size, x, y):
    margin, border, title = geometry(size)
    lo, hi = margin, size - margin - 1
    if not (lo <= x <= hi and lo <= y <= hi):
        return CLEAR
    if x < lo + border or x > hi - border or y < lo + border or y > hi - border:
        return FRAME
    if y < lo + border + title:
        return TITLE
    if y < lo + 2 * border + title:
        return FRAME  # the line under the title bar
    return CLIENT


def png(size):
    rows = b"".join(
        b"\x00" + b"".join(bytes(pixel(size, x, y)) for x in range(size))
        for y in range(size))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def svg():
    size = 256
    margin, border, title = geometry(size)
    inner = size - 2 * margin
    hex_ = lambda c: "#%02x%02x%02x" % c[:3]
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" viewBox="0 0 {size} {size}">
  <rect x="{margin}" y="{margin}" width="{inner}" height="{inner}" fill="{hex_(FRAME)}"/>
  <rect x="{margin + border}" y="{margin + border}" width="{inner - 2 * border}" height="{title}" fill="{hex_(TITLE)}"/>
  <rect x="{margin + border}" y="{margin + 2 * border + title}" width="{inner - 2 * border}" height="{inner - 3 * border - title}" fill="{hex_(CLIENT)}"/>
</svg>
"""


if __name__ == "__main__":
    import os
    for size in SIZES:
        folder = f"{size}x{size}"
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "traverse-adjust.png"), "wb") as out:
            out.write(png(size))
    os.makedirs("scalable", exist_ok=True)
    with open(os.path.join("scalable", "traverse-adjust.svg"), "w") as out:
        out.write(svg())
