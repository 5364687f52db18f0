#!/usr/bin/python3
"""Draws the engine's plain textures and the graphics tests' images as PNG
files with cairo (Debian's python3-cairo).

Run by hand from the repository root after changing a drawing:
    /usr/bin/python3 tools/make_art.py
The output is deterministic, so the committed PNGs only change when a
drawing changes. The game's own art is drawn by make_game_art.py, the menu
art by make_ui_art.py.
"""
import os
import sys

import cairo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from art_common import ROOT, context, save_png, surface  # noqa: E402

TEXTURES = os.path.join(ROOT, "Resources", "textures")
TEST_DATA = os.path.join(ROOT, "tests", "graphics", "data")


def fill_rect(ctx, x, y, w, h, rgba):
    """Pixel-aligned rectangle of an exact 8-bit colour, replacing what is under it."""
    ctx.save()
    ctx.set_operator(cairo.OPERATOR_SOURCE)
    ctx.rectangle(x, y, w, h)
    ctx.set_source_rgba(*(c / 255.0 for c in rgba))
    ctx.fill()
    ctx.restore()


def solid(width, height, rgba):
    image = surface(width, height)
    fill_rect(context(image), 0, 0, width, height, rgba)
    return image


# ---- Game textures -----------------------------------------------------------

def blank():
    """Plain white: tinted sprites, debug shapes and UI panels use it."""
    return solid(16, 16, (255, 255, 255, 255))


GAME_TEXTURES = {
    "blank.png": blank,
}


# ---- Test images ----------------------------------------------------------------

def test_sheet():
    """128 x 64 RGBA: four 32-pixel-wide columns in the bottom half (red,
    green, blue, white) and a half-transparent grey top half."""
    image = solid(128, 64, (128, 128, 128, 128))
    ctx = context(image)
    colours = [(255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 255), (255, 255, 255, 255)]
    for i, colour in enumerate(colours):
        fill_rect(ctx, i * 32, 32, 32, 32, colour)
    return image


def test_rgb_odd():
    """5 x 3 RGB with an odd width: each pixel's colour tells its place."""
    image = surface(5, 3, opaque=True)
    ctx = context(image)
    for y in range(3):
        for x in range(5):
            fill_rect(ctx, x, y, 1, 1, (x * 50, y * 100, 200, 255))
    return image


def test_grey():
    """4 x 2 8-bit greyscale ramp (cairo writes its one-channel images as grey)."""
    image = cairo.ImageSurface(cairo.FORMAT_A8, 4, 2)
    ctx = context(image)
    for y, row in enumerate([[0, 60, 120, 180], [30, 90, 150, 210]]):
        for x, value in enumerate(row):
            fill_rect(ctx, x, y, 1, 1, (0, 0, 0, value))
    return image


def test_red():
    """A solid opaque red square for the draw-pass tests."""
    return solid(8, 8, (255, 0, 0, 255))


TEST_IMAGES = {
    "sheet_128x64.png": test_sheet,
    "rgb_odd.png": test_rgb_odd,
    "grey.png": test_grey,
    "red.png": test_red,
}


def main():
    for name, draw in GAME_TEXTURES.items():
        save_png(draw(), os.path.join(TEXTURES, name))
    for name, draw in TEST_IMAGES.items():
        save_png(draw(), os.path.join(TEST_DATA, name))
    print("wrote %d textures and %d test images" % (len(GAME_TEXTURES), len(TEST_IMAGES)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
