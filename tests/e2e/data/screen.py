#!/usr/bin/env python3
"""Screen shots of an X display and pixel queries on them, through libX11
alone (no image tools needed on the test machine).

  screen.py grab SHOT [X Y W H]    save the root window (or that area of it)
  screen.py count SHOT KIND X0 Y0 X1 Y1
                                   print how many pixels of the inclusive
                                   rectangle are of KIND: "text" (the gold
                                   of the game's UI text, antialiased edges
                                   included), "gold" (that gold itself) or
                                   "lit" (not black)
  screen.py changed SHOT OTHER X0 Y0 X1 Y1
                                   print how many pixels of the inclusive
                                   rectangle differ between two shots
  screen.py png SHOT OUT.png       write the shot as a PNG for a person to see

A shot is a small raw file: a "W H" line, then W*H*3 bytes of RGB, top row
first. Coordinates are pixels of the shot, y downwards.
"""
import ctypes
import ctypes.util
import os
import struct
import sys
import zlib


class XImage(ctypes.Structure):
    # The leading fields of Xlib's XImage, up to the colour masks.
    _fields_ = [
        ("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_char)),
        ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
        ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong),
    ]


def fail(message):
    print("Error: " + message, file=sys.stderr)
    sys.exit(1)


def grab(path, area):
    name = ctypes.util.find_library("X11") or "libX11.so.6"
    x11 = ctypes.CDLL(name)
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XGetImage.restype = ctypes.POINTER(XImage)
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                              ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    display = x11.XOpenDisplay(None)
    if not display:
        fail("cannot open the X display %r" % os.environ.get("DISPLAY"))
    try:
        if area is None:
            area = (0, 0, x11.XDisplayWidth(display, 0), x11.XDisplayHeight(display, 0))
        x, y, w, h = area
        all_planes = 0xFFFFFFFF
        z_pixmap = 2
        image = x11.XGetImage(display, x11.XDefaultRootWindow(display), x, y, w, h, all_planes, z_pixmap)
        if not image:
            fail("XGetImage failed for %dx%d at %d,%d" % (w, h, x, y))
        img = image.contents
        if img.bits_per_pixel != 32 or img.red_mask != 0xFF0000 or img.blue_mask != 0xFF:
            fail("unexpected screen format: %d bits, red mask %#x" % (img.bits_per_pixel, img.red_mask))
        stride = img.bytes_per_line
        raw = ctypes.string_at(img.data, stride * h)
        rows = bytearray()
        for row in range(h):
            line = raw[row * stride:row * stride + w * 4]
            rgb = bytearray(w * 3)
            rgb[0::3] = line[2::4]
            rgb[1::3] = line[1::4]
            rgb[2::3] = line[0::4]
            rows += rgb
        # The image is not freed: the process ends right after this one grab.
    finally:
        x11.XCloseDisplay(display)
    with open(path, "wb") as f:
        f.write(b"%d %d\n" % (w, h))
        f.write(bytes(rows))


def load(path):
    with open(path, "rb") as f:
        header = f.readline().split()
        w, h = int(header[0]), int(header[1])
        data = f.read()
    if len(data) != w * h * 3:
        fail("%s: holds %d bytes, expected %d" % (path, len(data), w * h * 3))
    return w, h, data


def pixel_at(w, h, data, x, y):
    if not (0 <= x < w and 0 <= y < h):
        fail("pixel %d,%d is outside the %dx%d shot" % (x, y, w, h))
    i = (y * w + x) * 3
    return data[i], data[i + 1], data[i + 2]


def is_text(r, g, b):
    # The UI text's gold, at least partly covering the pixel.
    return r > 120 and g > 70 and b < 90 and r > b + 60


def is_gold(r, g, b):
    # The UI text's own colour, which no decor or effect of the levels shows.
    return abs(r - 222) <= 6 and abs(g - 161) <= 6 and abs(b - 46) <= 6


def is_lit(r, g, b):
    return r + g + b > 30


def count(path, kind, x0, y0, x1, y1):
    w, h, data = load(path)
    test = {"text": is_text, "gold": is_gold, "lit": is_lit}.get(kind)
    if test is None:
        fail("unknown pixel kind %r" % kind)
    total = 0
    for y in range(max(y0, 0), min(y1, h - 1) + 1):
        for x in range(max(x0, 0), min(x1, w - 1) + 1):
            if test(*pixel_at(w, h, data, x, y)):
                total += 1
    return total


def changed(path, other, x0, y0, x1, y1):
    w, h, data = load(path)
    w2, h2, data2 = load(other)
    if (w, h) != (w2, h2):
        fail("the shots differ in size: %dx%d and %dx%d" % (w, h, w2, h2))
    total = 0
    for y in range(max(y0, 0), min(y1, h - 1) + 1):
        for x in range(max(x0, 0), min(x1, w - 1) + 1):
            if pixel_at(w, h, data, x, y) != pixel_at(w, h, data2, x, y):
                total += 1
    return total


def write_png(path, out):
    w, h, data = load(path)
    raw = b"".join(b"\0" + data[row * w * 3:(row + 1) * w * 3] for row in range(h))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    with open(out, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 6)))
        f.write(chunk(b"IEND", b""))


def main(argv):
    if len(argv) >= 2 and argv[0] == "grab" and len(argv) in (2, 6):
        grab(argv[1], tuple(int(v) for v in argv[2:]) if len(argv) == 6 else None)
    elif len(argv) == 7 and argv[0] == "count":
        print(count(argv[1], argv[2], *(int(v) for v in argv[3:])))
    elif len(argv) == 7 and argv[0] == "changed":
        print(changed(argv[1], argv[2], *(int(v) for v in argv[3:])))
    elif len(argv) == 3 and argv[0] == "png":
        write_png(argv[1], argv[2])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
