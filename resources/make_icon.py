#!/usr/bin/env python3
"""Writes scopster_icon.xpm and scopster.ico: the 32 x 32, 16-colour window
icon, a magnifying glass over a page of code, for the Qt window and for the
Windows resources. Run it from this folder after changing the drawing."""

import math
import struct

SIZE = 32
PALETTE = {
    " ": "None",     # transparent
    ".": "#FFFFFF",  # page
    "+": "#808080",  # page edge
    "-": "#C0C0C0",  # code lines
    "b": "#000080",  # lens rim, handle
    "l": "#A6CAF0",  # lens
    "c": "#0000FF",  # code seen through the lens
    "h": "#804000",  # handle grip
}


def draw():
    grid = [[" "] * SIZE for _ in range(SIZE)]
    for y in range(1, 29):  # the page
        for x in range(3, 23):
            edge = y in (1, 28) or x in (3, 22)
            grid[y][x] = "+" if edge else "."
    for y in range(4, 27, 3):  # its lines of code, indented like a procedure
        indent = 6 if y in (4, 25) else 8
        for x in range(indent, 20 - (y % 4)):
            grid[y][x] = "-"
    cx, cy, r = 15.5, 14.5, 7.0
    for y in range(SIZE):  # the lens, its rim, and the code it magnifies
        for x in range(SIZE):
            d = math.hypot(x - cx, y - cy)
            if d <= r - 1.5:
                grid[y][x] = "c" if grid[y][x] == "-" else "l"
            elif d <= r:
                grid[y][x] = "b"
    for i in range(11):  # the handle, down to the bottom right
        x, y = 20 + i, 19 + i
        for dx, dy in ((0, 0), (1, 0), (0, 1)):
            if x + dx < SIZE and y + dy < SIZE:
                grid[y + dy][x + dx] = "h" if i > 3 else "b"
    return ["".join(row) for row in grid]


def main():
    rows = draw()
    lines = ["/* XPM */", "static const char* const scopster_icon_xpm[] = {",
             f'    "{SIZE} {SIZE} {len(PALETTE)} 1",']
    lines += [f'    "{key} c {colour}",' for key, colour in PALETTE.items()]
    lines += [f'    "{row}",' for row in rows]
    lines[-1] = lines[-1].rstrip(",")
    lines.append("};")
    with open("scopster_icon.xpm", "w", encoding="ascii") as out:
        out.write("\n".join(lines) + "\n")
    write_ico(rows)


def write_ico(rows):
    """One 32 x 32 image of 4 bits a pixel; transparent pixels are black in the
    colour bitmap and set in the mask."""
    colours = [key for key in PALETTE if PALETTE[key] != "None"]
    index = {key: i for i, key in enumerate(colours)}
    palette = b""
    for i in range(16):
        rgb = PALETTE[colours[i]] if i < len(colours) else "#000000"
        red, green, blue = (int(rgb[j:j + 2], 16) for j in (1, 3, 5))
        palette += bytes((blue, green, red, 0))
    pixels = b""
    mask = b""
    for row in reversed(rows):  # bottom-up, as bitmaps are stored
        nibbles = [index.get(key, 0) for key in row]
        pixels += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2))
        bits = "".join("1" if key == " " else "0" for key in row)
        mask += int(bits, 2).to_bytes(SIZE // 8, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, len(pixels) + len(mask), 0, 0, 16, 0)
    image = header + palette + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
    with open("scopster.ico", "wb") as out:
        out.write(directory + image)


if __name__ == "__main__":
    main()
