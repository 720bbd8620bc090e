#!/usr/bin/env python3
"""Draws the program icon (32 x 32, 16 colours): a magnifying lens over a
small landscape picture. Writes resources/Lumoscope.ico."""
import math
import struct
import sys

# The standard 16-colour palette.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, MAROON, GREEN, OLIVE, NAVY, GREY, SILVER = 0, 1, 2, 3, 4, 8, 7
YELLOW, BLUE, CYAN, WHITE, LIME = 11, 12, 14, 15, 10
TRANSPARENT = None


def picture_pixel(x, y):
    """The landscape: frame, sky, sun, hills."""
    if x in (1, 24) or y in (1, 22):
        return BLACK
    if x in (2, 23) or y in (2, 21):
        return WHITE
    if (x - 17) ** 2 + (y - 7) ** 2 <= 9:
        return YELLOW
    if y > 14 + 3 * math.sin(x / 3.5):
        return GREEN
    if y > 17 - 4 * math.sin((x + 4) / 5.0):
        return LIME
    return CYAN


def pixel(x, y):
    cx, cy, r = 20, 19, 7.5
    d = math.hypot(x - cx, y - cy)
    along = (x - cx + y - cy) / math.sqrt(2)
    across = abs(x - cx - (y - cy)) / math.sqrt(2)
    if r + 1.5 < along < r + 11 and across <= 1.8:
        return MAROON if across > 0.9 else OLIVE
    if r - 0.2 <= d <= r + 1.4:
        return BLACK if d > r + 0.6 else GREY
    if d < r:
        inner = picture_pixel(int(cx + (x - cx) * 0.6), int(cy + (y - cy) * 0.6))
        if (x - cx + 3) ** 2 + (y - cy + 3) ** 2 <= 3:
            return WHITE
        return inner
    if 1 <= x <= 24 and 1 <= y <= 22:
        return picture_pixel(x, y)
    return TRANSPARENT


def icon_bytes():
    size = 32
    rows = [[pixel(x, y) for x in range(size)] for y in range(size)]
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        for x in range(0, size, 2):
            a, b = (c or 0 for c in row[x:x + 2])
            xor.append((a << 4) | b)
        bits = 0
        for x, colour in enumerate(row):
            if colour is TRANSPARENT:
                bits |= 1 << (31 - x)
        mask += struct.pack('>I', bits)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


if __name__ == '__main__':
    out = sys.argv[1] if len(sys.argv) > 1 else 'resources/Lumoscope.ico'
    with open(out, 'wb') as f:
        f.write(icon_bytes())
