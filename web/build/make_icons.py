#!/usr/bin/env python3
"""Draws the page's icons into DIR: a red heart on the calculator's face,
192 and 512 px, and a 512 px maskable one whose heart keeps inside the
central safe circle."""
import pathlib
import struct
import sys
import zlib

FACE = (240, 240, 240)
HEART = (192, 0, 0)


def inside_heart(x, y):
    # The heart curve (x² + y² - 1)³ - x² y³ ≤ 0, y pointing up.
    return (x * x + y * y - 1) ** 3 - x * x * y ** 3 <= 0


def png(size, heart_width):
    rows = []
    for row in range(size):
        line = bytearray([0])
        for column in range(size):
            # Four samples a pixel smooth the edge.
            hits = sum(inside_heart((column + dx - size / 2) / (heart_width / 2.4),
                                    (size / 2 - (row + dy)) / (heart_width / 2.4) + 0.15)
                       for dx in (0.25, 0.75) for dy in (0.25, 0.75))
            line.append(hits)
        rows.append(bytes(line))
    # Five shades, from the face (no sample in the heart) to the heart (all four).
    palette = b"".join(bytes(round((h * hits + f * (4 - hits)) / 4) for h, f in zip(HEART, FACE))
                       for hits in range(5))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", palette) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def main():
    out = pathlib.Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    (out / "icon-192.png").write_bytes(png(192, 192 * 0.7))
    (out / "icon-512.png").write_bytes(png(512, 512 * 0.7))
    (out / "maskable-512.png").write_bytes(png(512, 512 * 0.5))


if __name__ == "__main__":
    main()
