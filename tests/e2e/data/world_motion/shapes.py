#!/usr/bin/env python3
"""Where things are in a screen shot of screen.py, for the world motion walk.

  shapes.py bounds SHOT R G B X0 Y0 X1 Y1
      print "LEFT TOP RIGHT BOTTOM" (inclusive pixels) of the pixels of the
      inclusive rectangle whose colour is within 6 of R G B in every
      channel, or "none" when there is no such pixel
  shapes.py changed SHOT_A SHOT_B X0 Y0 X1 Y1
      print how many pixels of the inclusive rectangle differ between the
      two shots

Coordinates are pixels of the shot, y downwards.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from screen import fail, load  # noqa: E402

TOLERANCE = 6


def clamp_area(w, h, x0, y0, x1, y1):
    return max(x0, 0), max(y0, 0), min(x1, w - 1), min(y1, h - 1)


def bounds(path, colour, area):
    w, h, data = load(path)
    x0, y0, x1, y1 = clamp_area(w, h, *area)
    found = None
    for y in range(y0, y1 + 1):
        row = y * w * 3
        for x in range(x0, x1 + 1):
            i = row + x * 3
            if all(abs(data[i + c] - colour[c]) <= TOLERANCE for c in range(3)):
                if found is None:
                    found = [x, y, x, y]
                else:
                    found[0] = min(found[0], x)
                    found[2] = max(found[2], x)
                    found[3] = y
    return found


def changed(path_a, path_b, area):
    wa, ha, a = load(path_a)
    wb, hb, b = load(path_b)
    if (wa, ha) != (wb, hb):
        fail("the shots differ in size: %dx%d and %dx%d" % (wa, ha, wb, hb))
    x0, y0, x1, y1 = clamp_area(wa, ha, *area)
    total = 0
    for y in range(y0, y1 + 1):
        start, end = (y * wa + x0) * 3, (y * wa + x1 + 1) * 3
        if a[start:end] == b[start:end]:
            continue
        total += sum(1 for i in range(start, end, 3) if a[i:i + 3] != b[i:i + 3])
    return total


def main(argv):
    if len(argv) == 9 and argv[0] == "bounds":
        found = bounds(argv[1], [int(v) for v in argv[2:5]], [int(v) for v in argv[5:9]])
        print(" ".join(str(v) for v in found) if found else "none")
    elif len(argv) == 7 and argv[0] == "changed":
        print(changed(argv[1], argv[2], [int(v) for v in argv[3:7]]))
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
