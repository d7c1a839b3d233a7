#!/usr/bin/env python3
"""Where white text shows in a 1024 x 768 screenshot (24-bit, bottom row first).

  shot_text.py span SHOT X Y W H            first and last column with text in the area
  shot_text.py lines SHOT X W BASELINE STEP N   1 or 0 for each of N lines of text
"""
import sys

WIDTH, HEIGHT = 1024, 768


def load(path):
    data = open(path, "rb").read()
    return data[18 + data[0]:]


def white_columns(pixels, x, y, w, h):
    """Columns of the area (top-down y) holding near-white pixels, the colour of the text."""
    columns = set()
    for row in range(HEIGHT - y - h, HEIGHT - y):
        start = (row * WIDTH + x) * 3
        line = pixels[start:start + w * 3]
        for i in range(w):
            if min(line[i * 3:i * 3 + 3]) >= 180:
                columns.add(x + i)
    return columns


def main(argv):
    pixels = load(argv[2])
    numbers = [int(a) for a in argv[3:]]
    if argv[1] == "span":
        columns = white_columns(pixels, *numbers)
        print(min(columns), max(columns)) if columns else print(-1, -1)
    elif argv[1] == "lines":
        x, w, baseline, step, n = numbers
        print("".join("1" if len(white_columns(pixels, x, baseline + k * step - 8, w, 7)) >= 4
                      else "0" for k in range(n)))
    else:
        sys.exit(__doc__)


main(sys.argv)
