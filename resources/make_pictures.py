#!/usr/bin/env python3
"""Draws the add-in's toolbar pictures, icons and cursor from the character grids below and
writes them as .bmp/.ico/.cur files beside this script. Run it again after changing a grid."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# Colours by grid character; '.' is the background (transparent in icons, cursors, masks).
PALETTE = {
    '#': (0x20, 0x30, 0x80),  # dark blue
    'o': (0x40, 0x90, 0xe0),  # light blue
    'y': (0xf0, 0xc0, 0x20),  # yellow
    'w': (0xff, 0xff, 0xff),
    'k': (0x00, 0x00, 0x00),
    '.': (0xc0, 0xc0, 0xc0),  # the toolbar grey behind a masked picture
}

# The popup menu button: a "Z" on a small menu.
MENU = [
    "................",
    ".##############.",
    ".#wwwwwwwwwwww#.",
    ".#w########ww#..",
    ".#wwwwwww##ww#..",
    ".#wwwwww##www#..",
    ".#wwwww##wwww#..",
    ".#wwww##wwwww#..",
    ".#www##wwwwww#..",
    ".#ww########w#..",
    ".#wwwwwwwwwww#..",
    ".#ooooooooooo#..",
    ".#ooooooooooo#..",
    ".#############..",
    "................",
    "................",
]

# The code template button: braces around a spark.
CODE_MENU = [
    "................",
    "...##......##...",
    "..#..........#..",
    "..#....y.....#..",
    "..#...yyy....#..",
    "..#....y.....#..",
    ".#...........#..",
    "#.....ooo.....#.",
    ".#...........#..",
    "..#....y.....#..",
    "..#...yyy....#..",
    "..#....y.....#..",
    "..#..........#..",
    "...##......##...",
    "................",
    "................",
]

# The application icon: a bold "Z" on a blue tile.
APP_ICON = [
    "................",
    ".oooooooooooooo.",
    ".o############o.",
    ".o#wwwwwwwwww#o.",
    ".o#######www#o..",
    ".o######www##o..",
    ".o#####www###o..",
    ".o####www####o..",
    ".o###www#####o..",
    ".o##www######o..",
    ".o#wwwwwwwwww#o.",
    ".o############o.",
    ".oooooooooooooo.",
    "................",
    "................",
    "................",
]

# The template icon: a page with a yellow corner.
TEMPLATE_ICON = [
    "................",
    "..wwwwwwwwyy....",
    "..w#######yyy...",
    "..wwwwwwwwyyyy..",
    "..w########www..",
    "..wwwwwwwwwwww..",
    "..w####wwwwwww..",
    "..wwwwwwwwwwww..",
    "..w##########w..",
    "..wwwwwwwwwwww..",
    "..w######wwwww..",
    "..wwwwwwwwwwww..",
    "..w#########ww..",
    "..wwwwwwwwwwww..",
    "..kkkkkkkkkkkk..",
    "................",
]

# The drag cursor: an arrow with a small page; hot spot at the arrow's tip.
CURSOR = [
    "k...............",
    "kk..............",
    "kwk.............",
    "kwwk............",
    "kwwwk...........",
    "kwwwwk..........",
    "kwwwwwk.........",
    "kwwwwwwk........",
    "kwwwwkkkk.......",
    "kwkwwk..........",
    "kk.kwwk.kkkkkk..",
    "k..kwwk.kwwwwk..",
    "....kwwkkwkkwk..",
    "....kwwkkwwwwk..",
    ".....kk.kkkkkk..",
    "................",
]


def grid(rows):
    assert len(rows) == 16 and all(len(row) == 16 for row in rows), rows
    return rows


def scale(rows, factor):
    return [''.join(c * factor for c in row) for row in rows for _ in range(factor)]


def bmp24(rows, colour):
    """A bottom-up 24-bit BMP file of the grid, colour(char) giving RGB."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = b''
    for row in reversed(rows):
        line = b''.join(bytes(reversed(colour(c))) for c in row)
        pixels += line + b'\0' * (stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def and_mask(rows):
    """1-bit rows, bottom-up, padded to 32 bits: 1 where the background shows through."""
    width = len(rows[0])
    stride = ((width + 31) // 32) * 4
    data = b''
    for row in reversed(rows):
        bits = 0
        for c in row:
            bits = (bits << 1) | (1 if c == '.' else 0)
        bits <<= stride * 8 - width
        data += bits.to_bytes(stride, 'big')
    return data


def icon_image(rows):
    height, width = len(rows), len(rows[0])
    pixels = b''
    for row in reversed(rows):
        for c in row:
            r, g, b = PALETTE[c]
            pixels += bytes((b, g, r, 0 if c == '.' else 0xff))
    mask = and_mask(rows)
    info = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, 32, 0, len(pixels) + len(mask),
                       0, 0, 0, 0)
    return info + pixels + mask


def ico(rows):
    images = [icon_image(scale(rows, 2)), icon_image(rows)]
    sizes = [32, 16]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b''.join(images)


def cur(rows, hot_x, hot_y):
    rows = scale(rows, 2)
    height, width = len(rows), len(rows[0])
    # XOR bits: 1 for white; AND bits: 1 for transparent.
    xor = b''
    for row in reversed(rows):
        bits = 0
        for c in row:
            bits = (bits << 1) | (1 if c == 'w' else 0)
        xor += bits.to_bytes(width // 8, 'big')
    image = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, 1, 0, 0, 0, 0, 2, 2)
    image += bytes((0, 0, 0, 0, 0xff, 0xff, 0xff, 0)) + xor + and_mask(rows)
    out = struct.pack('<HHH', 0, 2, 1)
    out += struct.pack('<BBBBHHII', width, height, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    return out + image


def write(name, data):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)


def main():
    menu, code_menu = grid(MENU), grid(CODE_MENU)
    write('menu.bmp', bmp24(menu, lambda c: PALETTE[c]))
    write('menu_mask.bmp', bmp24(menu, lambda c: (255, 255, 255) if c == '.' else (0, 0, 0)))
    write('code_menu.bmp', bmp24(code_menu, lambda c: PALETTE[c]))
    write('code_menu_mask.bmp',
          bmp24(code_menu, lambda c: (255, 255, 255) if c == '.' else (0, 0, 0)))
    write('zentrel.ico', ico(grid(APP_ICON)))
    write('template.ico', ico(grid(TEMPLATE_ICON)))
    write('drag.cur', cur(grid(CURSOR), 0, 0))


if __name__ == '__main__':
    main()
