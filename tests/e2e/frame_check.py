#!/usr/bin/env python3
"""frame_check.py shown CAPTURE.ppm SHOT.tga X Y W H [AX AY AW AH]: within the area (the whole
capture unless given) the 1024 x 768 shot fills rectangle X Y W H, scaled, and the rest is black.
frame_check.py same SHOT SHOT: the shots are byte for byte the same but for the FPS counter.
frame_check.py lines SHOT X W BASELINE STEP N: 1 or 0 for each of N lines: whether it shows text.
frame_check.py ink SHOT X W TOP H: how far from X the last near-white column of rows TOP to
TOP + H - 1 lies (0 when none): the width of a line of text."""
import sys

FW, FH = 1024, 768


def shown(capture, shot, x, y, w, h, ax=0, ay=0, aw=None, ah=None):
    data = open(capture, "rb").read()
    head = data.split(maxsplit=3)  # P6 width height, then 255, one blank and the pixels
    cw, ch, rgb = int(head[1]), int(head[2]), head[3][4:]
    bgr = open(shot, "rb").read()[18:]
    aw, ah = aw or cw, ah or ch
    row = lambda r, a, b: rgb[(r * cw + a) * 3:(r * cw + b) * 3]
    edges = [max(row(y, x, x + w)), max(row(y + h - 1, x, x + w)), 0, 0]
    for r in range(ay, ay + ah):
        inside = y <= r < y + h
        spans = [(ax, x), (x + w, ax + aw)] if inside else [(ax, ax + aw)]
        if any(b > a and max(row(r, a, b)) for a, b in spans):
            sys.exit(f"frame_check: not black outside the frame in row {r}")
        if inside:
            edges[2:] = edges[2] | max(row(r, x, x + 1)), edges[3] | max(row(r, x + w - 1, x + w))
    if not all(edges):
        sys.exit("frame_check: an edge of the frame's rectangle is black")
    # Sampled pixels against the frame pixel under their centre; linear filtering blends in the
    # neighbours, so only the mean difference is small.
    total = count = 0
    for sy in range(y, y + h, 5):
        fy = FH - 1 - (2 * (sy - y) + 1) * FH // (2 * h)
        for sx in range(x, x + w, 5):
            s = (fy * FW + (2 * (sx - x) + 1) * FW // (2 * w)) * 3
            total += sum(abs(p - q) for p, q in zip(row(sy, sx, sx + 1), bgr[s:s + 3][::-1]))
            count += 3
    if total / count > 12:
        sys.exit(f"frame_check: the frame differs from the shot by {total / count:.1f}")


def same(a, b):
    a, b = open(a, "rb").read(), open(b, "rb").read()
    for r in reversed(range(FH - 27, FH - 8)):  # rows 8 to 26 from the top, from column 820 on
        at = r * FW * 3 + 18
        a, b = a[:at + 820 * 3] + a[at + FW * 3:], b[:at + 820 * 3] + b[at + FW * 3:]
    if a != b:
        sys.exit("frame_check: the shots differ")


def lines(shot, x, w, baseline, step, n):
    pixels = open(shot, "rb").read()[18:]
    shown = ""
    for k in range(n):  # the 7 rows above a baseline show text where 4 columns are near white
        top = FH - (baseline + k * step - 1)  # the file's rows count from the bottom
        rows = [pixels[(r * FW + x) * 3:(r * FW + x + w) * 3] for r in range(top, top + 7)]
        white = {i for row in rows for i in range(w) if min(row[i * 3:i * 3 + 3]) >= 180}
        shown += "1" if len(white) >= 4 else "0"
    print(shown)


def ink(shot, x, w, top, h):
    pixels = open(shot, "rb").read()[18:]
    last = 0
    for r in range(FH - top - h, FH - top):  # the file's rows count from the bottom
        row = pixels[(r * FW + x) * 3:(r * FW + x + w) * 3]
        last = max([last] + [i + 1 for i in range(w) if min(row[i * 3:i * 3 + 3]) >= 180])
    print(last)


commands = {"shown": shown, "same": same, "lines": lines, "ink": ink}
if len(sys.argv) < 4 or sys.argv[1] not in commands:
    sys.exit(__doc__)
args = [a if a.endswith(("ppm", "tga")) else int(a) for a in sys.argv[2:]]
commands[sys.argv[1]](*args)
