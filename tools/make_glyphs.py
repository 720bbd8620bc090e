#!/usr/bin/env python3
"""Draws the drive glyphs (16 x 11) and file glyphs (16 x 15) as 16-colour
bitmaps in resources/. The bottom-left pixel of each is the colour the lists
leave transparent (magenta here)."""
import os
import struct

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255)]
INDEX = {'k': 0, 'm': 1, 'G': 2, 'o': 3, 'n': 4, 't': 6, 's': 7, 'g': 8, 'r': 9, 'l': 10, 'y': 11,
         'b': 12, '.': 13, 'c': 14, 'w': 15}

GLYPHS = {
    'FLOPPY': [
        '................',
        '.kkkkkkkkkkkkkk.',
        '.kssssssssssssk.',
        '.kswwwwwwwwwwsk.',
        '.kssssssssssssk.',
        '.ksskkkkkkkkssk.',
        '.kssssssssssssk.',
        '.ksssssssssGssk.',
        '.kggggggggggggk.',
        '.kkkkkkkkkkkkkk.',
        '................'],
    'HARD': [
        '................',
        '................',
        '...kkkkkkkkkkkk.',
        '..kwwwwwwwwwwkk.',
        '.kkkkkkkkkkkkgk.',
        '.kssssssssssskk.',
        '.kssssssssssskk.',
        '.ksllsssssgggk..',
        '.kssssssssssk...',
        '.kkkkkkkkkkkk...',
        '................'],
    'NETWORK': [
        '..kkkkkkkkkkkk..',
        '.kwwwwwwwwwwwwk.',
        '.kssssssssssssk.',
        '.kslsssssgggssk.',
        '.kkkkkkkkkkkkkk.',
        '.......kk.......',
        '.......kk.......',
        'kkkkkkkkkkkkkkkk',
        '...kk......kk...',
        '..kggk....kggk..',
        '..kkkk....kkkk..'],
    'CDROM': [
        '................',
        '.kkkkkkkkkkkkkk.',
        '.kssssssssssssk.',
        '.kswwwwwwwwwwsk.',
        '.kskkkkkkkkkksk.',
        '.kssssssssssssk.',
        '.kssssssssslssk.',
        '.kggggggggggggk.',
        '.kkkkkkkkkkkkkk.',
        '....kccccck.....',
        '................'],
    'RAM': [
        '................',
        '..k.k.k.k.k.k...',
        '..k.k.k.k.k.k...',
        '.kkkkkkkkkkkkkk.',
        '.kGGGGGGGGGGGGk.',
        '.kGkkGkkGkkGGGk.',
        '.kGGGGGGGGGGGGk.',
        '.kkkkkkkkkkkkkk.',
        '..k.k.k.k.k.k...',
        '..k.k.k.k.k.k...',
        '................'],
    'EXECUTABLE': [
        '................',
        '.kkkkkkkkkkkkkk.',
        '.knnnnnnnnnnwkk.',
        '.kkkkkkkkkkkkkk.',
        '.kwwwwwwwwwwwsk.',
        '.kwwwwwwwwwwwsk.',
        '.kwkkkkwwwwwwsk.',
        '.kwwwwwwwwwwwsk.',
        '.kwkkkkkkwwwwsk.',
        '.kwwwwwwwwwwwsk.',
        '.kwkkkwwwwwwwsk.',
        '.kwwwwwwwwwwwsk.',
        '.ksssssssssssgk.',
        '.kkkkkkkkkkkkkk.',
        '................'],
    'CLOSEDFOLDER': [
        '................',
        '................',
        '..kkkkk.........',
        '.kyyyyyk........',
        '.kkkkkkkkkkkkkk.',
        '.kywywywywywyok.',
        '.kwywywywywywok.',
        '.kywywywywywyok.',
        '.kwywywywywywok.',
        '.kywywywywywyok.',
        '.kwywywywywywok.',
        '.kyyyyyyyyyyyok.',
        '.kooooooooooook.',
        '.kkkkkkkkkkkkkk.',
        '................'],
    'UNKNOWNFILE': [
        '...kkkkkkkk.....',
        '...kwwwwwwkk....',
        '...kwwwwwwksk...',
        '...kwwwwwwkkkk..',
        '...kwwwwwwwwwk..',
        '...kwwwwkkwwwk..',
        '...kwwwkwwkwwk..',
        '...kwwwwwwkwwk..',
        '...kwwwwwkwwwk..',
        '...kwwwwkwwwwk..',
        '...kwwwwwwwwwk..',
        '...kwwwwkwwwwk..',
        '...kwwwwwwwwwk..',
        '...kkkkkkkkkkk..',
        '................'],
}


def bitmap_bytes(rows):
    width, height = 16, len(rows)
    assert all(len(row) == width for row in rows)
    stride = (width * 4 + 31) // 32 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, width, 2):
            line.append(INDEX[row[x]] << 4 | INDEX[row[x + 1]])
        pixels += line + bytes(stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(pixels), 3780, 3780, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + len(info) + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return header + info + palette + bytes(pixels)


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources')
    for name, rows in GLYPHS.items():
        with open(os.path.join(folder, 'glyph-' + name.lower() + '.bmp'), 'wb') as out:
            out.write(bitmap_bytes(rows))


if __name__ == '__main__':
    main()
