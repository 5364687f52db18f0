"""Shared pieces of the art scripts: cairo surfaces and PNG output, colour
helpers, a few outlined shapes, and the texture-list writer.

Texture-list coordinates: the engine uploads images bottom row first, so an
animation's TOP and BOT corners count y from the bottom edge of the picture.
Every script here lays its frames out in picture coordinates (y down) and
converts through `list_corners`.
"""
import math
import os
import re

import cairo

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

OUTLINE = (0.13, 0.09, 0.11)


# ---- Surfaces and files --------------------------------------------------------------

def surface(width, height, opaque=False):
    """A cleared image; opaque ones are written as RGB, the others as RGBA."""
    return cairo.ImageSurface(cairo.FORMAT_RGB24 if opaque else cairo.FORMAT_ARGB32, width, height)


def context(image):
    ctx = cairo.Context(image)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    return ctx


def save_png(image, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    image.write_to_png(path)


def pixels_to_surface(width, height, pixel, channels=4):
    """An image from a function (x, y) -> tuple of 0..255 values: grey (one
    value, written as an 8-bit grey PNG), RGB or RGBA (straight alpha)."""
    if channels == 1:
        image = cairo.ImageSurface(cairo.FORMAT_A8, width, height)
    else:
        image = surface(width, height, opaque=channels == 3)
    stride = image.get_stride()
    data = image.get_data()
    for y in range(height):
        for x in range(width):
            value = pixel(x, y)
            if channels == 1:
                data[y * stride + x] = value[0]
                continue
            r, g, b = value[:3]
            a = value[3] if channels == 4 else 255
            # Cairo keeps premultiplied native-endian ARGB words.
            word = (a << 24) | ((r * a // 255) << 16) | ((g * a // 255) << 8) | (b * a // 255)
            data[y * stride + 4 * x:y * stride + 4 * x + 4] = word.to_bytes(4, "little")
    image.mark_dirty()
    return image


# ---- Colours ---------------------------------------------------------------------------

def hex_colour(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


def shade(colour, factor):
    """Darker below 1, lighter above 1 (towards white)."""
    if factor <= 1:
        return tuple(c * factor for c in colour)
    return tuple(c + (1 - c) * (factor - 1) for c in colour)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def paint_colour(ctx, colour, alpha=1.0):
    if len(colour) == 4:
        ctx.set_source_rgba(*colour)
    else:
        ctx.set_source_rgba(colour[0], colour[1], colour[2], alpha)


# ---- Outlined shapes -------------------------------------------------------------------

def fill_outline(ctx, fill, line=1.2, edge=OUTLINE, alpha=1.0):
    """Fills the current path and strokes its outline."""
    paint_colour(ctx, fill, alpha)
    if line > 0:
        ctx.fill_preserve()
        ctx.set_line_width(line)
        paint_colour(ctx, edge, alpha)
        ctx.stroke()
    else:
        ctx.fill()


def polygon(ctx, points):
    ctx.move_to(*points[0])
    for point in points[1:]:
        ctx.line_to(*point)
    ctx.close_path()


def smooth_polygon(ctx, points, roundness=0.5):
    """A closed polygon whose corners are rounded off: each corner's curve
    takes up that fraction of its two edges (0 keeps sharp corners, 0.5
    leaves no straight part)."""
    count = len(points)
    for i in range(count):
        corner, before, after = points[i], points[i - 1], points[(i + 1) % count]
        start = (corner[0] + (before[0] - corner[0]) * roundness, corner[1] + (before[1] - corner[1]) * roundness)
        end = (corner[0] + (after[0] - corner[0]) * roundness, corner[1] + (after[1] - corner[1]) * roundness)
        if i == 0:
            ctx.move_to(*start)
        else:
            ctx.line_to(*start)
        ctx.curve_to(corner[0], corner[1], corner[0], corner[1], end[0], end[1])
    ctx.close_path()


def ellipse(ctx, cx, cy, rx, ry, angle=0.0):
    ctx.save()
    ctx.translate(cx, cy)
    ctx.rotate(angle)
    ctx.scale(max(rx, 0.01), max(ry, 0.01))
    ctx.new_sub_path()
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()


def rounded_rect(ctx, x, y, w, h, r):
    r = min(r, w / 2, h / 2)
    ctx.new_sub_path()
    ctx.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    ctx.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    ctx.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    ctx.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    ctx.close_path()


def stroke_line(ctx, points, width, colour, alpha=1.0, outline=0.0):
    """A polyline with round ends; with outline > 0, drawn over a darker
    line that much wider."""
    for w, c in (((width + outline), OUTLINE), (width, colour)) if outline > 0 else ((width, colour),):
        ctx.move_to(*points[0])
        for point in points[1:]:
            ctx.line_to(*point)
        ctx.set_line_width(w)
        paint_colour(ctx, c, alpha)
        ctx.stroke()


def star_path(ctx, cx, cy, outer, inner, points=5, turn=-math.pi / 2):
    for i in range(points * 2):
        radius = outer if i % 2 == 0 else inner
        angle = turn + i * math.pi / points
        x, y = cx + radius * math.cos(angle), cy + radius * math.sin(angle)
        if i == 0:
            ctx.move_to(x, y)
        else:
            ctx.line_to(x, y)
    ctx.close_path()


# ---- Sheets and texture lists ----------------------------------------------------------

class Animation:
    """A named strip of equally sized frames; each frame is a function that
    draws into a context whose origin is the frame's top-left corner."""

    def __init__(self, name, width, height, frames):
        self.name, self.width, self.height, self.frames = name, width, height, list(frames)


def pack(animations, max_width, gap=2):
    """Places the strips on shelves, left to right, with a transparent gap
    between them (so a sprite drawn between pixels never picks up its
    neighbour's edge); returns the image size and the top-left picture
    position of every strip."""
    x = y = shelf = width = 0
    places = []
    for animation in animations:
        strip = animation.width * len(animation.frames)
        if x > 0 and x + strip > max_width:
            x, y, shelf = 0, y + shelf + gap, 0
        places.append((x, y))
        width = max(width, x + strip)
        x += strip + gap
        shelf = max(shelf, animation.height)
    return width, y + shelf, places


def list_corners(x, y, width, height, image_height):
    """TOP and BOT of a strip at picture position (x, y), in list coordinates."""
    return (x, image_height - y - height), (x + width, image_height - y)


def render_sheet(animations, max_width=1200):
    """Draws every frame of every strip into one image; returns the image and
    (name, frame count, TOP, BOT) for each animation."""
    width, height, places = pack(animations, max_width)
    image = surface(width, height)
    ctx = cairo.Context(image)
    records = []
    for animation, (x, y) in zip(animations, places):
        for index, draw in enumerate(animation.frames):
            frame = surface(animation.width, animation.height)
            draw(context(frame))
            ctx.set_source_surface(frame, x + index * animation.width, y)
            ctx.paint()
        top, bot = list_corners(x, y, animation.width * len(animation.frames), animation.height, height)
        records.append((animation.name, len(animation.frames), top, bot))
    return image, records


def list_entry(name, file_path, records):
    lines = ["  <%s>" % name, '    <filepath string="%s" />' % file_path]
    for animation, count, top, bot in records:
        lines.append('    <%s><numofFrames unsigned="%d" /><TOP Vec2="%d,%d" /><BOT Vec2="%d,%d" /></%s>'
                     % (animation, count, top[0], top[1], bot[0], bot[1], animation))
    lines.append("  </%s>" % name)
    return "\n".join(lines)


def replace_list_section(list_path, owner, entries):
    """Rewrites the entries between this script's two marker comments in a
    texture list (adding the markers before the list's end the first time),
    leaving every other entry as it is."""
    begin, end = "<!-- %s: begin -->" % owner, "<!-- %s: end -->" % owner
    with open(list_path) as f:
        text = f.read()
    section = "  %s\n%s\n  %s\n" % (begin, "\n".join(entries), end)
    pattern = re.compile(r"[ \t]*" + re.escape(begin) + r".*?" + re.escape(end) + r"[ \t]*\n?", re.S)
    if pattern.search(text):
        text = pattern.sub(lambda _: section, text, count=1)
    elif "</TEXTURELIST>" in text:
        text = text.replace("</TEXTURELIST>", section + "</TEXTURELIST>", 1)
    else:
        raise SystemExit("Error: %s holds no TEXTURELIST" % list_path)
    with open(list_path, "w") as f:
        f.write(text)
