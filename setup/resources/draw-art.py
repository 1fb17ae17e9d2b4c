#!/usr/bin/env python3
"""Draws setup.exe's pictures in the 16 standard colours: the program icon (setup.ico, 32 x 32),
the welcome page's bitmap (welcome.bmp) and the finish page's (finish.bmp), 48 x 48 each.

Run it in this folder to write the three files; they are committed, so a build needs no Python.
The motif: a blue package; an arrow carries the product into it, a tick says it is done.
"""
import struct
import sys

# The standard 16-colour palette, by index, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = -1


class Canvas:
    def __init__(self, size, background):
        self.size = size
        self.pixels = [[background] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def paint(self, shape, colour):
        for x, y in shape:
            self.put(x, y, colour)

    def outline(self, shape, colour):
        """The pixels of the shape that touch a pixel outside it."""
        for x, y in shape:
            if any(n not in shape for n in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))):
                self.put(x, y, colour)


def polygon(points):
    """The pixels whose centres lie inside the polygon (vertices on pixel corners)."""
    shape = set()
    ys = [p[1] for p in points]
    for y in range(int(min(ys)), int(max(ys)) + 1):
        cy = y + 0.5
        xs = []
        for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
            if (y1 <= cy < y2) or (y2 <= cy < y1):
                xs.append(x1 + (cy - y1) * (x2 - x1) / (y2 - y1))
        xs.sort()
        for a, b in zip(xs[::2], xs[1::2]):
            for x in range(int(round(a)), int(round(b))):
                shape.add((x, y))
    return shape


def package(c, x, y, w, h, d):
    """A closed box seen from the front and a little from above: front w x h at (x, y), depth d;
    light from the upper left."""
    top = polygon([(x, y), (x + d, y - d), (x + w + d, y - d), (x + w, y)])
    side = polygon([(x + w, y), (x + w + d, y - d), (x + w + d, y + h - d), (x + w, y + h)])
    front = polygon([(x, y), (x + w, y), (x + w, y + h), (x, y + h)])
    c.paint(top, AQUA)
    c.paint(side, TEAL)
    c.paint(front, BLUE)
    # the lid's flaps meet along the middle of the top
    for i in range(d):
        c.put(x + w // 2 + i, y - 1 - i, TEAL)
    c.outline(front, NAVY)
    c.outline(side | front, NAVY)
    c.outline(top | side | front, BLACK)


def arrow(c, cx, top, shaft, head, width):
    """A green arrow pointing down, centred on the line x = cx, its tip at top + shaft + head."""
    half = width / 2
    wing = head
    shape = polygon([(cx - half, top), (cx + half, top), (cx + half, top + shaft),
                     (cx + wing, top + shaft), (cx, top + shaft + head),
                     (cx - wing, top + shaft), (cx - half, top + shaft)])
    c.paint(shape, LIME)
    c.outline(shape, GREEN)


def tick(c, x, y, s):
    """A check mark: its short stroke starts at (x, y), s pixels a unit."""
    shape = polygon([(x, y), (x + s, y - s), (x + 2 * s, y), (x + 5 * s, y - 3 * s),
                     (x + 6 * s, y - 2 * s), (x + 2 * s, y + 2 * s)])
    c.paint(shape, LIME)
    c.outline(shape, GREEN)


def tile(c):
    """A raised panel filling the picture: the page's face colour differs between systems, so the
    bitmap brings its own face and edge instead of pretending to be transparent."""
    n = c.size
    for i in range(n):
        c.put(i, 0, WHITE)
        c.put(0, i, WHITE)
        c.put(i, n - 1, BLACK)
        c.put(n - 1, i, BLACK)
        if 0 < i < n - 1:
            c.put(i, n - 2, GRAY)
            c.put(n - 2, i, GRAY)


def icon_art():
    c = Canvas(32, CLEAR)
    package(c, 2, 19, 20, 12, 7)
    arrow(c, 15, 0, 8, 10, 6)
    return c


def welcome_art():
    c = Canvas(48, SILVER)
    package(c, 6, 27, 26, 16, 9)
    arrow(c, 23, 3, 10, 13, 8)
    tile(c)
    return c


def finish_art():
    c = Canvas(48, SILVER)
    package(c, 6, 27, 26, 16, 9)
    tick(c, 15, 16, 4)
    tile(c)
    return c


def dib(canvas, with_mask):
    """A 4-bit bottom-up device-independent bitmap: header, palette, colour rows (and an AND
    mask for an icon, 1 where the pixel is clear)."""
    size = canvas.size
    rows = []
    for y in reversed(range(size)):
        row = bytearray()
        line = [0 if p == CLEAR else p for p in canvas.pixels[y]]
        for x in range(0, size, 2):
            row.append((line[x] << 4) | line[x + 1])
        while len(row) % 4:
            row.append(0)
        rows.append(bytes(row))
    colour = b"".join(rows)
    mask = b""
    if with_mask:
        for y in reversed(range(size)):
            bits = bytearray((size + 7) // 8)
            for x, p in enumerate(canvas.pixels[y]):
                if p == CLEAR:
                    bits[x // 8] |= 0x80 >> (x % 8)
            while len(bits) % 4:
                bits.append(0)
            mask += bytes(bits)
    height = size * 2 if with_mask else size
    header = struct.pack("<IiiHHIIiiII", 40, size, height, 1, 4, 0, len(colour) + len(mask),
                         0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + colour + mask


def write_bmp(path, canvas):
    body = dib(canvas, False)
    offset = 14 + 40 + 16 * 4
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, offset) + body)


def write_ico(path, canvas):
    body = dib(canvas, True)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, 1))
        f.write(struct.pack("<BBBBHHII", canvas.size, canvas.size, 16, 0, 1, 4, len(body), 22))
        f.write(body)


if __name__ == "__main__":
    here = sys.argv[1] if len(sys.argv) > 1 else "."
    write_ico(f"{here}/setup.ico", icon_art())
    write_bmp(f"{here}/welcome.bmp", welcome_art())
    write_bmp(f"{here}/finish.bmp", finish_art())
