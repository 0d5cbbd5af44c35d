#!/usr/bin/env python3
"""Lays out pairs of control pictures for the README: in each row, the control drawn at
scale 1 and stretched smoothly to twice its size (as a screen at device pixel ratio 2
shows a picture drawn for 1), then the same control drawn at scale 2.

    scale_compare.py OUT.png ONE_1X.png ONE_2X.png [TWO_1X.png TWO_2X.png ...]

Reads and writes 8-bit RGBA PNG files, the kind `nuvelkit script`'s png writes."""
import struct
import sys
import zlib

BACK = (0xE6, 0xE6, 0xE6)
GAP = 24


def read_png(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG file")
    pos, idat, w, h = 8, b"", 0, 0
    while pos < len(data):
        n, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + n]
        if kind == b"IHDR":
            w, h, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour != 6 or interlace:
                sys.exit(f"{path}: expected an 8-bit RGBA picture without interlacing")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + n
    raw, stride = zlib.decompress(idat), w * 4
    rows, prev = [], bytearray(stride)
    for y in range(h):
        f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - 4] if i >= 4 else 0
            b = prev[i]
            c = prev[i - 4] if i >= 4 else 0
            if f == 1:
                line[i] = (line[i] + a) & 0xFF
            elif f == 2:
                line[i] = (line[i] + b) & 0xFF
            elif f == 3:
                line[i] = (line[i] + (a + b) // 2) & 0xFF
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        rows.append(line)
        prev = line
    return w, h, rows


def over_back(px):
    r, g, b, a = px
    return tuple((v * a + k * (255 - a) + 127) // 255 for v, k in zip((r, g, b), BACK))


def pixel(img, x, y):
    w, h, rows = img
    x, y = min(max(x, 0), w - 1), min(max(y, 0), h - 1)
    return tuple(rows[y][4 * x:4 * x + 4])


def stretched(img, factor):
    """Bilinear, sampling at pixel centres, alpha premultiplied."""
    w, h, _ = img
    out = []
    for y in range(h * factor):
        sy = (y + 0.5) / factor - 0.5
        y0 = int(sy // 1)
        fy = sy - y0
        row = bytearray()
        for x in range(w * factor):
            sx = (x + 0.5) / factor - 0.5
            x0 = int(sx // 1)
            fx = sx - x0
            acc = [0.0] * 4
            for dx, dy, wt in ((0, 0, (1 - fx) * (1 - fy)), (1, 0, fx * (1 - fy)),
                               (0, 1, (1 - fx) * fy), (1, 1, fx * fy)):
                r, g, b, a = pixel(img, x0 + dx, y0 + dy)
                acc[0] += r * a * wt
                acc[1] += g * a * wt
                acc[2] += b * a * wt
                acc[3] += a * wt
            a = acc[3]
            rgb = [int(v / a + 0.5) if a > 0 else 0 for v in acc[:3]]
            row += bytes(rgb + [int(a + 0.5)])
        out.append(row)
    return w * factor, h * factor, out


def write_png(path, w, h, rgb_rows):
    raw = b"".join(b"\x00" + bytes(r) for r in rgb_rows)
    chunk = lambda k, d: struct.pack(">I", len(d)) + k + d + struct.pack(">I", zlib.crc32(k + d))
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main():
    if len(sys.argv) < 4 or len(sys.argv) % 2:
        sys.exit(__doc__)
    pairs = [(read_png(a), read_png(b)) for a, b in zip(sys.argv[2::2], sys.argv[3::2])]
    pairs = [(stretched(one, 2), two) for one, two in pairs]
    width = GAP + max(a[0] + GAP + b[0] for a, b in pairs) + GAP
    height = GAP + sum(max(a[1], b[1]) + GAP for a, b in pairs)
    canvas = [bytearray(bytes(BACK) * width) for _ in range(height)]
    top = GAP
    for pair in pairs:
        left = GAP
        for img in pair:
            w, h, rows = img
            for y in range(h):
                for x in range(w):
                    canvas[top + y][3 * (left + x):3 * (left + x) + 3] = bytes(
                        over_back(pixel(img, x, y)))
            left += w + GAP
        top += max(pair[0][1], pair[1][1]) + GAP
    write_png(sys.argv[1], width, height, canvas)


if __name__ == "__main__":
    main()
