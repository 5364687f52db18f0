#!/usr/bin/python3
"""Draws the game's textures and the graphics tests' images as PNG files.

Run by hand from the repository root after changing a drawing:
    /usr/bin/python3 tools/make_art.py   (the system Python, which has numpy)
The output is deterministic (no randomness without a fixed seed), so the
committed PNGs only change when a drawing changes.

Images are numpy arrays of shape (height, width, channels), row 0 at the
top of the picture, values 0..255.
"""
import os
import struct
import sys
import zlib

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TEXTURES = os.path.join(ROOT, "Resources", "textures")
TEST_DATA = os.path.join(ROOT, "tests", "graphics", "data")

COLOUR_TYPES = {1: 0, 3: 2, 4: 6}  # channels -> PNG colour type (grey, RGB, RGBA)


def write_png(path, image):
    """Writes an 8-bit grey, RGB or RGBA image as a PNG file."""
    image = np.asarray(image, dtype=np.uint8)
    if image.ndim == 2:
        image = image[:, :, None]
    height, width, channels = image.shape
    if channels not in COLOUR_TYPES:
        raise ValueError("unsupported channel count %d" % channels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, COLOUR_TYPES[channels], 0, 0, 0)
    # Filter type 0 (none) in front of every row.
    rows = b"".join(b"\x00" + image[y].tobytes() for y in range(height))
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(png)


def solid(width, height, rgba):
    image = np.zeros((height, width, 4), dtype=np.uint8)
    image[:, :] = rgba
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
    colours = [(255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 255), (255, 255, 255, 255)]
    for i, colour in enumerate(colours):
        image[32:64, i * 32:(i + 1) * 32] = colour
    return image


def test_rgb_odd():
    """5 x 3 RGB with an odd width: each pixel's colour tells its place."""
    image = np.zeros((3, 5, 3), dtype=np.uint8)
    for y in range(3):
        for x in range(5):
            image[y, x] = (x * 50, y * 100, 200)
    return image


def test_grey():
    """4 x 2 8-bit greyscale ramp."""
    return np.array([[0, 60, 120, 180], [30, 90, 150, 210]], dtype=np.uint8)


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
        write_png(os.path.join(TEXTURES, name), draw())
    for name, draw in TEST_IMAGES.items():
        write_png(os.path.join(TEST_DATA, name), draw())
    print("wrote %d textures and %d test images" % (len(GAME_TEXTURES), len(TEST_IMAGES)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
