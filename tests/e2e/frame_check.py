#!/usr/bin/env python3
"""Checks of the game's 1024 x 768 frame on a screen of another size.

  frame_check.py shown CAPTURE.ppm SHOT.tga X Y W H [AX AY AW AH]
      within the area (the whole capture unless given), the frame rectangle (X, Y, W, H) shows
      the shot scaled and everything else is black
  frame_check.py same SHOT_A SHOT_B
      the two shots are byte for byte the same but for the FPS counter's line
"""
import sys

FW, FH = 1024, 768
FPS_ROWS, FPS_LEFT = range(8, 27), 820  # top-down rows and first column of the FPS counter


def shot(path):
    data = open(path, "rb").read()
    return data[:18], data[18:]


def capture(path):
    data = open(path, "rb").read()
    fields, at = [], 0
    while len(fields) < 4:  # P6 width height maxval, then one blank
        while data[at:at + 1].isspace():
            at += 1
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    return int(fields[1]), int(fields[2]), data[at + 1:]


def shown(argv):
    cw, ch, rgb = capture(argv[0])
    _, bgr = shot(argv[1])
    x, y, w, h = map(int, argv[2:6])
    ax, ay, aw, ah = map(int, argv[6:10]) if len(argv) >= 10 else (0, 0, cw, ch)
    lit_sides = 0
    for row in range(ay, ay + ah):
        line = rgb[row * cw * 3:(row + 1) * cw * 3]
        if y <= row < y + h:
            lit_sides |= (max(line[x * 3:x * 3 + 3]) > 0) | (max(line[(x + w - 1) * 3:(x + w) * 3]) > 0) << 1
        if row < y or row >= y + h:
            spans = [(ax, ax + aw)]
        else:
            spans = [(ax, x), (x + w, ax + aw)]
            # The frame reaches every edge of its rectangle.
            if row in (y, y + h - 1) and max(line[x * 3:(x + w) * 3]) == 0:
                sys.exit(f"frame_check: row {row} of the frame is black")
        for a, b in spans:
            if b > a and max(line[a * 3:b * 3]) != 0:
                sys.exit(f"frame_check: not black outside the frame in row {row}, {a} to {b}")
    if lit_sides != 3:
        sys.exit("frame_check: the frame's left or right column is black")
    # Scaled pixels against the frame pixel under their centre: linear filtering blends in
    # neighbours, so only the mean difference is small.
    total = count = 0
    for sy in range(y, y + h, 5):
        fy = FH - 1 - (2 * (sy - y) + 1) * FH // (2 * h)
        for sx in range(x, x + w, 5):
            fx = (2 * (sx - x) + 1) * FW // (2 * w)
            s = (fy * FW + fx) * 3
            c = (sy * cw + sx) * 3
            total += sum(abs(p - q) for p, q in zip(rgb[c:c + 3], bgr[s:s + 3][::-1]))
            count += 3
    mean = total / count
    if mean > 12:
        sys.exit(f"frame_check: the rectangle differs from the shot by {mean:.1f} on average")
    print(f"{mean:.1f}")


def same(argv):
    (head_a, a), (head_b, b) = shot(argv[0]), shot(argv[1])
    if head_a != head_b or len(a) != len(b):
        sys.exit("frame_check: the shots differ in size")
    masked = set(FH - 1 - r for r in FPS_ROWS)
    for row in range(FH):
        at, end = row * FW * 3, (row + 1) * FW * 3
        if row in masked:
            end = at + FPS_LEFT * 3
        if a[at:end] != b[at:end]:
            sys.exit(f"frame_check: the shots differ in row {FH - 1 - row} from the top")


{"shown": shown, "same": same}.get(sys.argv[1] if len(sys.argv) > 1 else "",
                                   lambda _: sys.exit(__doc__))(sys.argv[2:])
