#!/usr/bin/env python3
"""Writes scopster_icon.xpm: the 32 x 32, 16-colour window icon, a magnifying
glass over a page of code. Run it from this folder after changing the drawing."""

import math

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


if __name__ == "__main__":
    main()
