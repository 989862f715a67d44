#!/usr/bin/env python3
"""Copies Wine's stand-in for the Windows "Symbol" font with the character
map that Windows' own has: symbol-encoded codes 0xF020-0xF0FF, so that code
167 draws a club as it does on Windows. Wine's copy maps its glyphs through
Mac Roman Unicode points instead (a club at U+00DF), which no Windows program
uses; its Mac table holds the true symbol codes and is kept as the source."""
import struct
import sys


def tables_of(font):
    count = struct.unpack(">H", font[4:6])[0]
    tables = {}
    for i in range(count):
        tag, _, offset, length = struct.unpack(">4sIII", font[12 + 16 * i : 28 + 16 * i])
        tables[tag] = font[offset : offset + length]
    return tables


def mac_glyphs(cmap):
    count = struct.unpack(">H", cmap[2:4])[0]
    for i in range(count):
        platform, encoding, offset = struct.unpack(">HHI", cmap[4 + 8 * i : 12 + 8 * i])
        if (platform, encoding) == (1, 0) and struct.unpack(">H", cmap[offset : offset + 2])[0] == 0:
            return cmap[offset : offset + 262]
    sys.exit("no Mac Roman byte table in the font")


def symbol_cmap(mac):
    glyphs = mac[6:]
    ids = [glyphs[code] for code in range(0x20, 0x100)]
    seg = 2
    body = struct.pack(">2H", 0xF0FF, 0xFFFF) + b"\0\0" + struct.pack(">2H", 0xF020, 0xFFFF)
    body += struct.pack(">2h", 0, 1) + struct.pack(">2H", 2 * seg, 0) + struct.pack(">%dH" % len(ids), *ids)
    windows = struct.pack(">7H", 4, 14 + len(body), 0, 2 * seg, 2, 0, 2) + body
    return struct.pack(">2H", 0, 2) + struct.pack(">HHI", 1, 0, 20) + struct.pack(">HHI", 3, 0, 20 + len(mac)) + mac + windows


def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(">%dI" % (len(data) // 4), data)) & 0xFFFFFFFF


def main(source, target):
    font = open(source, "rb").read()
    tables = tables_of(font)
    tables[b"cmap"] = symbol_cmap(mac_glyphs(tables[b"cmap"]))
    tags = sorted(tables)
    out = bytearray(font[:12])
    offset = 12 + 16 * len(tags)
    data = bytearray()
    for tag in tags:
        table = tables[tag]
        out += struct.pack(">4sIII", tag, checksum(table), offset + len(data), len(table))
        data += table + b"\0" * (-len(table) % 4)
    open(target, "wb").write(bytes(out + data))


if __name__ == "__main__":
    main(*sys.argv[1:3])
