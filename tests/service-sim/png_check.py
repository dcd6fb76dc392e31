#!/usr/bin/env python3
"""Exits 0 when FILE is a valid PNG: signature, chunk CRCs, IHDR first, IEND last and image
data that inflates to the rows IHDR announces (8-bit RGB)."""
import struct
import sys
import zlib


def main(path):
    data = open(path, "rb").read()
    if not data.startswith(b"\x89PNG\r\n\x1a\n"):
        sys.exit("no PNG signature")
    at, chunks, idat = 8, [], b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        (crc,) = struct.unpack(">I", data[at + 8 + length:at + 12 + length])
        if zlib.crc32(kind + body) != crc:
            sys.exit("bad CRC in " + kind.decode())
        chunks.append((kind, body))
        if kind == b"IDAT":
            idat += body
        at += 12 + length
    if chunks[0][0] != b"IHDR" or chunks[-1][0] != b"IEND":
        sys.exit("chunks out of order")
    width, height, depth, colour = struct.unpack(">IIBB", chunks[0][1][:10])
    if depth != 8 or colour != 2 or len(zlib.decompress(idat)) != height * (1 + 3 * width):
        sys.exit("image data does not match the header")


if __name__ == "__main__":
    main(sys.argv[1])
