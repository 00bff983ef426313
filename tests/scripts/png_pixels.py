"""Reads the harness's screenshots back: 8-bit RGB PNGs, as rows of bytes."""
import struct
import zlib


def pixels(name):
    data = open(name, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos, idat, width, height = 8, b"", 0, 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height = struct.unpack(">II", body[:8])
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw, rows, stride = zlib.decompress(idat), [], width * 3
    prev = bytearray(stride)
    for y in range(height):
        f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - 3] if i >= 3 else 0
            b, c = prev[i], prev[i - 3] if i >= 3 else 0
            p = a + b - c
            pred = [0, a, b, (a + b) // 2, a if abs(p - a) <= min(abs(p - b), abs(p - c)) else (b if abs(p - b) <= abs(p - c) else c)][f]
            line[i] = (line[i] + pred) & 255
        rows.append(bytes(line))
        prev = line
    return rows


def differs(a, b, box):
    """Whether two screenshots differ inside the box (left, top, right, bottom), right and
    bottom excluded."""
    x0, y0, x1, y1 = box
    return any(a[y][x0 * 3:x1 * 3] != b[y][x0 * 3:x1 * 3] for y in range(y0, y1))
