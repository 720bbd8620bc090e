#!/usr/bin/env python3
"""Draws the uninstall icon: the program icon with a red cross in its lower
left corner. Writes resources/Uninstall.ico (UNINST.ICO when installed)."""
import sys

import make_icon

RED, WHITE = 9, 15


def cross_pixel(x, y):
    """A red diagonal cross, 13 x 13 pixels at (1, 18), with a white rim over
    the picture."""
    u, v = x - 1, y - 18
    if not (0 <= u <= 12 and 0 <= v <= 12):
        return None
    distance = min(abs(u - v), abs(u + v - 12))
    if distance <= 1:
        return RED
    if distance <= 3:
        return WHITE
    return None


program_pixel = make_icon.pixel


def pixel(x, y):
    below = program_pixel(x, y)
    mark = cross_pixel(x, y)
    if mark is None or (mark == WHITE and below is make_icon.TRANSPARENT):
        return below
    return mark


if __name__ == '__main__':
    make_icon.pixel = pixel
    out = sys.argv[1] if len(sys.argv) > 1 else 'resources/Uninstall.ico'
    with open(out, 'wb') as f:
        f.write(make_icon.icon_bytes())
