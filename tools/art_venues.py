"""The three venues: a floor each and a texture of decor pieces.

A floor is the 1280 x 720 room the walkability grid lies on, with a 20-px
frame along its edges where the grid blocks the guests, and a margin of
MARGIN px all round: the match zooms out a little so that people by a wall
show whole, and the margin fills what that wider view shows past the
room. The frame and the top wall run on through the margin. Decor pieces
are single-frame animations whose names (Table, Chair, Plant...) the level
files use.
"""
import math
import random

import cairo

from art_common import (OUTLINE, Animation, context, ellipse, fill_outline, hex_colour, paint_colour, polygon,
                        rounded_rect, shade, star_path, stroke_line, surface)

FLOOR_W, FLOOR_H, EDGE = 1280, 720, 20
MARGIN = 32         # art past the room on every side
LEFT, RIGHT = -MARGIN, FLOOR_W + MARGIN  # the image's edges in the room's coordinates
WALL = 100          # the top band behind the HUD bar, where nobody walks
MID_Y = (WALL + FLOOR_H - EDGE) / 2


# ---- Floors -----------------------------------------------------------------------------------------

def room_canvas():
    """The floor image and a context that draws in the room's coordinates
    (its top-left corner at the origin, the margin outside)."""
    image = surface(FLOOR_W + 2 * MARGIN, FLOOR_H + 2 * MARGIN, opaque=True)
    ctx = context(image)
    ctx.translate(MARGIN, MARGIN)
    return image, ctx


def manor_floor():
    """Honey oak planks, a plum carpet with a gold border; wallpaper and
    wainscot along the top, panelled edges."""
    image, ctx = room_canvas()
    rng = random.Random(101)
    oak = hex_colour("94643a")
    plank_h = 30
    for row in range(FLOOR_H // plank_h + 1):
        y = row * plank_h
        x = -rng.uniform(0, 160)
        while x < FLOOR_W:
            length = rng.uniform(140, 260)
            ctx.rectangle(x, y, length, plank_h)
            paint_colour(ctx, shade(oak, rng.uniform(0.86, 1.1)))
            ctx.fill()
            for _ in range(2):
                gy = y + rng.uniform(6, plank_h - 6)
                stroke_line(ctx, [(x + 10, gy), (x + length - 10, gy + rng.uniform(-2, 2))], 0.8,
                            shade(oak, 0.78), 0.5)
            ctx.rectangle(x, y, length, plank_h)
            ctx.set_line_width(1.2)
            paint_colour(ctx, shade(oak, 0.55))
            ctx.stroke()
            x += length
    carpet, gold = hex_colour("4e2c5e"), hex_colour("c89a3a")
    top, bottom = WALL + 50, FLOOR_H - EDGE - 50
    rounded_rect(ctx, 150, top - 10, 980, bottom - top + 20, 10)
    paint_colour(ctx, shade(carpet, 0.7))
    ctx.fill()
    rounded_rect(ctx, 160, top, 960, bottom - top, 8)
    paint_colour(ctx, gold)
    ctx.fill()
    rounded_rect(ctx, 172, top + 12, 936, bottom - top - 24, 6)
    paint_colour(ctx, carpet)
    ctx.fill()
    for x in range(200, 1100, 60):
        for y in range(int(top) + 40, int(bottom) - 40, 60):
            polygon(ctx, [(x + 30, y), (x + 40, y + 10), (x + 30, y + 20), (x + 20, y + 10)])
            paint_colour(ctx, shade(carpet, 1.18))
            ctx.fill()
    rounded_rect(ctx, 190, top + 30, 900, bottom - top - 60, 4)
    ctx.set_line_width(2)
    paint_colour(ctx, gold, 0.8)
    ctx.stroke()
    panelled_edge(ctx, hex_colour("3a2214"), gold)
    manor_wall(ctx)
    return image


def manor_wall(ctx):
    """Burgundy damask above a dark wainscot and a skirting board."""
    ctx.rectangle(LEFT, -MARGIN, RIGHT - LEFT, WALL + MARGIN)
    paint_colour(ctx, hex_colour("6a1a26"))
    ctx.fill()
    for x in range(-40, RIGHT, 40):
        for y in (14, 44):
            polygon(ctx, [(x + 20, y), (x + 28, y + 10), (x + 20, y + 20), (x + 12, y + 10)])
            paint_colour(ctx, hex_colour("8a2a36"))
            ctx.fill()
    ctx.rectangle(LEFT, WALL - 40, RIGHT - LEFT, 40)
    paint_colour(ctx, hex_colour("4a2a16"))
    ctx.fill()
    for x in range(10 - 80, RIGHT, 80):
        rounded_rect(ctx, x, WALL - 34, 64, 24, 3)
        ctx.set_line_width(2)
        paint_colour(ctx, hex_colour("6a4024"))
        ctx.stroke()
    stroke_line(ctx, [(LEFT, WALL - 40), (RIGHT, WALL - 40)], 3, hex_colour("c89a3a"))
    ctx.rectangle(LEFT, WALL - 6, RIGHT - LEFT, 6)
    paint_colour(ctx, hex_colour("2a160c"))
    ctx.fill()


def mall_floor():
    """Cream and grey tiles with teal inlays and a star medallion; shop
    fronts along the top, a steel edge."""
    image, ctx = room_canvas()
    tile = 64
    cream, grey = hex_colour("e8e2d4"), hex_colour("cfd2d6")
    for ty in range(FLOOR_H // tile + 1):
        for tx in range(FLOOR_W // tile + 1):
            ctx.rectangle(tx * tile, ty * tile, tile, tile)
            paint_colour(ctx, cream if (tx + ty) % 2 == 0 else grey)
            ctx.fill()
            # A soft sheen on each tile.
            gradient = cairo.LinearGradient(tx * tile, ty * tile, tx * tile + tile, ty * tile + tile)
            gradient.add_color_stop_rgba(0, 1, 1, 1, 0.18)
            gradient.add_color_stop_rgba(1, 1, 1, 1, 0.0)
            ctx.rectangle(tx * tile, ty * tile, tile, tile)
            ctx.set_source(gradient)
            ctx.fill()
    for x in range(0, FLOOR_W + 1, tile):
        stroke_line(ctx, [(x, 0), (x, FLOOR_H)], 1.2, hex_colour("a8aaa8"))
    for y in range(0, FLOOR_H + 1, tile):
        stroke_line(ctx, [(0, y), (FLOOR_W, y)], 1.2, hex_colour("a8aaa8"))
    teal = hex_colour("2a8a8a")
    for y in range(tile * 2, FLOOR_H, tile * 4):
        for x in range(tile * 2, FLOOR_W, tile * 4):
            polygon(ctx, [(x, y - 14), (x + 14, y), (x, y + 14), (x - 14, y)])
            paint_colour(ctx, teal)
            ctx.fill()
    ctx.arc(640, MID_Y, 120, 0, 2 * math.pi)
    ctx.set_line_width(10)
    paint_colour(ctx, teal, 0.85)
    ctx.stroke()
    star_path(ctx, 640, MID_Y, 90, 36, 8, 0)
    paint_colour(ctx, hex_colour("f2b640"), 0.85)
    ctx.fill()
    ctx.arc(640, MID_Y, 26, 0, 2 * math.pi)
    paint_colour(ctx, teal)
    ctx.fill()
    panelled_edge(ctx, hex_colour("4a5460"), hex_colour("9ab0c0"))
    mall_wall(ctx)
    return image


def mall_wall(ctx):
    """Shop windows with striped awnings."""
    ctx.rectangle(LEFT, -MARGIN, RIGHT - LEFT, WALL + MARGIN)
    paint_colour(ctx, hex_colour("d8dce0"))
    ctx.fill()
    awnings = [hex_colour(c) for c in ("f28a2a", "2a8a8a", "d8404a", "f2c230", "6a5ac8")]
    for i, x in enumerate(range(10, FLOOR_W, 160)):
        ctx.rectangle(x, 46, 140, WALL - 52)
        fill_outline(ctx, hex_colour("9ad0e0"), 2.0, edge=hex_colour("4a5460"))
        stroke_line(ctx, [(x + 20, 90), (x + 60, 52)], 3, (1, 1, 1), 0.5)
        for j in range(7):
            ctx.rectangle(x + j * 20, 30, 20, 16)
            paint_colour(ctx, awnings[i % len(awnings)] if j % 2 == 0 else (0.97, 0.96, 0.93))
            ctx.fill()
        ctx.rectangle(x, 30, 140, 16)
        ctx.set_line_width(1.5)
        paint_colour(ctx, OUTLINE)
        ctx.stroke()
    ctx.rectangle(LEFT, WALL - 6, RIGHT - LEFT, 6)
    paint_colour(ctx, hex_colour("4a5460"))
    ctx.fill()


def carnival_floor():
    """Striped summer grass, sandy paths, confetti; a striped fence edge and
    bunting along the top."""
    image, ctx = room_canvas()
    rng = random.Random(303)
    for i in range(0, FLOOR_W, 80):
        ctx.rectangle(i, 0, 80, FLOOR_H)
        paint_colour(ctx, hex_colour("5aa83a") if (i // 80) % 2 == 0 else hex_colour("64b242"))
        ctx.fill()
    for _ in range(900):
        x, y = rng.uniform(0, FLOOR_W), rng.uniform(0, FLOOR_H)
        stroke_line(ctx, [(x, y), (x + rng.uniform(-2, 2), y - rng.uniform(3, 6))], 1.0,
                    hex_colour("3e8a2a"), 0.6)
    sand = hex_colour("dcc08a")
    for path in ([(0, MID_Y), (1280, MID_Y)], [(640, 0), (640, 720)]):
        stroke_line(ctx, path, 150, shade(sand, 0.85))
        stroke_line(ctx, path, 136, sand)
    ctx.arc(640, MID_Y, 150, 0, 2 * math.pi)
    paint_colour(ctx, shade(sand, 0.85))
    ctx.fill()
    ctx.arc(640, MID_Y, 142, 0, 2 * math.pi)
    paint_colour(ctx, sand)
    ctx.fill()
    for _ in range(500):
        x, y = rng.uniform(0, FLOOR_W), rng.uniform(0, FLOOR_H)
        ctx.arc(x, y, rng.uniform(0.8, 1.8), 0, 2 * math.pi)
        paint_colour(ctx, shade(sand, 0.75), 0.5)
        ctx.fill()
    confetti = [hex_colour(c) for c in ("e83a3a", "3a6ae8", "f2c230", "e85ab8", "3ac8c8", "ffffff")]
    for _ in range(260):
        x, y = rng.uniform(0, FLOOR_W), rng.uniform(0, FLOOR_H)
        ctx.save()
        ctx.translate(x, y)
        ctx.rotate(rng.uniform(0, math.pi))
        ctx.rectangle(-2.2, -1.2, 4.4, 2.4)
        paint_colour(ctx, rng.choice(confetti), 0.9)
        ctx.fill()
        ctx.restore()
    # Fence: red and white boards along the edges, long enough to reach
    # through the margin; each board keeps the colour it had at the room's edge.
    depth = EDGE + MARGIN
    boards = []
    for i in range(-40, RIGHT, 20):
        boards += [(i, -MARGIN, 20, depth, i), (i, FLOOR_H - EDGE, 20, depth, i + FLOOR_H - EDGE)]
    for i in range(-40, FLOOR_H + MARGIN, 20):
        boards += [(-MARGIN, i, depth, 20, i), (FLOOR_W - EDGE, i, depth, 20, i + FLOOR_W - EDGE)]
    for x, y, w, h, key in boards:
        ctx.rectangle(x, y, w, h)
        paint_colour(ctx, hex_colour("c8282a") if (key // 20) % 2 == 0 else hex_colour("f4f0e8"))
        ctx.fill()
    ctx.rectangle(EDGE, EDGE, FLOOR_W - 2 * EDGE, FLOOR_H - 2 * EDGE)
    ctx.set_line_width(3)
    paint_colour(ctx, hex_colour("6a3a1e"))
    ctx.stroke()
    carnival_wall(ctx, confetti)
    return image


def carnival_wall(ctx, colours):
    """A wooden fence hung with bunting."""
    ctx.rectangle(LEFT, -MARGIN, RIGHT - LEFT, WALL + MARGIN)
    paint_colour(ctx, hex_colour("7ac0e8"))
    ctx.fill()
    for x in range(-48, RIGHT, 24):
        polygon(ctx, [(x + 2, WALL), (x + 2, 40), (x + 11, 32), (x + 20, 40), (x + 20, WALL)])
        fill_outline(ctx, hex_colour("b07a44"), 1.2)
    for y in (52, 82):
        ctx.rectangle(LEFT, y, RIGHT - LEFT, 7)
        fill_outline(ctx, hex_colour("8a5a30"), 1.0)
    ctx.move_to(-64, 36)
    for x in range(-64, RIGHT + 1, 64):
        ctx.curve_to(x + 20, 48, x + 44, 48, x + 64, 36)
    ctx.set_line_width(1.5)
    paint_colour(ctx, OUTLINE)
    ctx.stroke()
    for i, x in enumerate(range(8 - 64, RIGHT, 32)):
        sag = 8 * math.sin(math.pi * ((x % 64) / 64))
        polygon(ctx, [(x, 37 + sag), (x + 16, 37 + sag), (x + 8, 54 + sag)])
        fill_outline(ctx, colours[i % (len(colours) - 1)], 0.8)
    ctx.rectangle(LEFT, WALL - 6, RIGHT - LEFT, 6)
    paint_colour(ctx, hex_colour("6a3a1e"))
    ctx.fill()


def panelled_edge(ctx, wood, trim):
    ctx.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
    ctx.rectangle(LEFT, -MARGIN, RIGHT - LEFT, FLOOR_H + 2 * MARGIN)
    ctx.rectangle(EDGE, EDGE, FLOOR_W - 2 * EDGE, FLOOR_H - 2 * EDGE)
    paint_colour(ctx, wood)
    ctx.fill()
    ctx.set_fill_rule(cairo.FILL_RULE_WINDING)
    ctx.rectangle(EDGE - 2, EDGE - 2, FLOOR_W - 2 * EDGE + 4, FLOOR_H - 2 * EDGE + 4)
    ctx.set_line_width(3)
    paint_colour(ctx, trim)
    ctx.stroke()
    ctx.rectangle(LEFT + 5, -MARGIN + 5, RIGHT - LEFT - 10, FLOOR_H + 2 * MARGIN - 10)
    ctx.set_line_width(1.5)
    paint_colour(ctx, shade(trim, 0.7))
    ctx.stroke()


FLOORS = {"Floor_Manor": manor_floor, "Floor_Mall": mall_floor, "Floor_Carnival": carnival_floor}


# ---- Shared decor shapes -----------------------------------------------------------------------------

def shadow(ctx, cx, cy, rx, ry):
    ellipse(ctx, cx, cy, rx, ry)
    paint_colour(ctx, (0, 0, 0), 0.22)
    ctx.fill()


def round_table(ctx, w, h, cloth, trim=None, candle=False):
    cx = w / 2
    shadow(ctx, cx, h - 8, w / 2 - 6, 8)
    ctx.move_to(8, h * 0.42)
    ctx.line_to(10, h - 12)
    ctx.curve_to(cx - 20, h - 4, cx + 20, h - 4, w - 10, h - 12)
    ctx.line_to(w - 8, h * 0.42)
    ctx.close_path()
    fill_outline(ctx, shade(cloth, 0.9), 1.6)
    for i in range(1, 6):
        x = 8 + (w - 16) * i / 6
        stroke_line(ctx, [(x, h * 0.5), (x + (x - cx) * 0.05, h - 10)], 0.9, shade(cloth, 0.78))
    ellipse(ctx, cx, h * 0.42, w / 2 - 8, h * 0.2)
    fill_outline(ctx, cloth, 1.6)
    if trim:
        ellipse(ctx, cx, h * 0.42, w / 2 - 8, h * 0.2)
        ctx.set_line_width(2)
        paint_colour(ctx, trim)
        ctx.stroke()
    for dx in (-0.55, 0.0, 0.55):
        ellipse(ctx, cx + dx * (w / 2 - 20), h * 0.42 + (6 if dx == 0 else -2), 8, 3.2)
        fill_outline(ctx, hex_colour("f8f8f8"), 0.9)
    if candle:
        stroke_line(ctx, [(cx, h * 0.42), (cx, h * 0.14)], 2.4, hex_colour("d8b040"), outline=1.2)
        for dx in (-10, 0, 10):
            stroke_line(ctx, [(cx + dx, h * 0.2), (cx + dx, h * 0.08)], 2.2, hex_colour("f8f4e8"), outline=1.0)
            ellipse(ctx, cx + dx, h * 0.05, 1.6, 3)
            paint_colour(ctx, hex_colour("ffb020"))
            ctx.fill()
        stroke_line(ctx, [(cx - 10, h * 0.2), (cx + 10, h * 0.2)], 2.0, hex_colour("d8b040"), outline=1.0)


def potted_plant(ctx, w, h, pot, leaf, rng):
    cx = w / 2
    shadow(ctx, cx, h - 5, w * 0.3, 5)
    for _ in range(14):
        angle = rng.uniform(-2.6, -0.5)
        length = rng.uniform(h * 0.35, h * 0.6)
        tip = (cx + math.cos(angle) * min(length * 0.8, w / 2 - 6), h * 0.62 + math.sin(angle) * length)
        ctx.move_to(cx, h * 0.62)
        ctx.curve_to(cx + (tip[0] - cx) * 0.3 - 6, tip[1] + 10, tip[0] - 4, tip[1] + 4, tip[0], tip[1])
        ctx.curve_to(tip[0] + 4, tip[1] + 8, cx + (tip[0] - cx) * 0.3 + 6, tip[1] + 14, cx, h * 0.62)
        fill_outline(ctx, shade(leaf, rng.uniform(0.8, 1.15)), 1.0)
    polygon(ctx, [(cx - w * 0.28, h * 0.6), (cx + w * 0.28, h * 0.6), (cx + w * 0.2, h - 4), (cx - w * 0.2, h - 4)])
    fill_outline(ctx, pot, 1.4)
    ctx.rectangle(cx - w * 0.3, h * 0.58, w * 0.6, 6)
    fill_outline(ctx, shade(pot, 1.2), 1.2)


def chair(ctx, w, h, seat, frame):
    shadow(ctx, w / 2, h - 4, w * 0.4, 4)
    for x in (7, w - 9):
        ctx.rectangle(x, h * 0.55, 3, h * 0.45 - 3)
        fill_outline(ctx, frame, 1.0)
    rounded_rect(ctx, 6, 3, w - 12, h * 0.5, 5)
    fill_outline(ctx, frame, 1.4)
    rounded_rect(ctx, 10, 7, w - 20, h * 0.5 - 8, 4)
    fill_outline(ctx, seat, 1.0)
    rounded_rect(ctx, 3, h * 0.48, w - 6, h * 0.14, 3)
    fill_outline(ctx, seat, 1.4)


def bench(ctx, w, h, wood, metal):
    shadow(ctx, w / 2, h - 4, w * 0.45, 5)
    for x in (10, w - 14):
        ctx.rectangle(x, h * 0.45, 4, h * 0.55 - 4)
        fill_outline(ctx, metal, 1.0)
    for i in range(3):
        rounded_rect(ctx, 4, 4 + i * 7, w - 8, 5, 2)
        fill_outline(ctx, wood, 1.0)
    rounded_rect(ctx, 2, h * 0.48, w - 4, 8, 2)
    fill_outline(ctx, shade(wood, 1.15), 1.2)


def frame_of(name, w, h, draw):
    return Animation(name, w, h, [draw])


# ---- Manor ----------------------------------------------------------------------------------------

def manor_decor():
    rng = random.Random(11)
    white, gold = hex_colour("f6f2e8"), hex_colour("d8a838")
    marble = hex_colour("e8e4dc")

    def pillar(ctx):
        w, h = 48, 136
        shadow(ctx, w / 2, h - 6, 22, 6)
        ctx.rectangle(6, h - 16, w - 12, 12)
        fill_outline(ctx, shade(marble, 0.9), 1.4)
        ctx.rectangle(10, 20, w - 20, h - 36)
        fill_outline(ctx, marble, 1.4)
        for x in (15, 20, 24, 28, 33):
            stroke_line(ctx, [(x, 24), (x, h - 20)], 1.0, shade(marble, 0.82))
        ctx.rectangle(4, 6, w - 8, 14)
        fill_outline(ctx, shade(marble, 0.92), 1.4)
        for x in (8, w - 8):
            ctx.arc(x, 14, 5, 0, 2 * math.pi)
            fill_outline(ctx, marble, 1.0)

    def clock(ctx):
        w, h = 44, 120
        shadow(ctx, w / 2, h - 4, 18, 4)
        wood = hex_colour("5a3018")
        rounded_rect(ctx, 6, 4, w - 12, h - 8, 6)
        fill_outline(ctx, wood, 1.6)
        ctx.arc(w / 2, 24, 13, 0, 2 * math.pi)
        fill_outline(ctx, hex_colour("f4ecd4"), 1.2)
        for i in range(12):
            a = i * math.pi / 6
            stroke_line(ctx, [(w / 2 + 10 * math.cos(a), 24 + 10 * math.sin(a)),
                              (w / 2 + 11.5 * math.cos(a), 24 + 11.5 * math.sin(a))], 1.0, OUTLINE)
        stroke_line(ctx, [(w / 2, 24), (w / 2 + 5, 20)], 1.4, OUTLINE)
        stroke_line(ctx, [(w / 2, 24), (w / 2, 16)], 1.0, OUTLINE)
        rounded_rect(ctx, 13, 44, w - 26, 56, 3)
        fill_outline(ctx, shade(wood, 0.6), 1.0)
        stroke_line(ctx, [(w / 2, 46), (w / 2, 84)], 1.2, gold)
        ctx.arc(w / 2, 86, 5, 0, 2 * math.pi)
        fill_outline(ctx, gold, 1.0)

    def painting(ctx):
        w, h = 88, 64
        rounded_rect(ctx, 2, 2, w - 4, h - 4, 3)
        fill_outline(ctx, gold, 1.6)
        ctx.rectangle(10, 10, w - 20, h - 20)
        fill_outline(ctx, hex_colour("2a3a5a"), 1.0)
        ctx.move_to(10, h - 10)
        ctx.curve_to(30, 24, 44, 40, w - 10, 22)
        ctx.line_to(w - 10, h - 10)
        ctx.close_path()
        paint_colour(ctx, hex_colour("4a6a3a"))
        ctx.fill()
        ctx.arc(60, 22, 6, 0, 2 * math.pi)
        paint_colour(ctx, hex_colour("f0d080"))
        ctx.fill()

    def candelabra(ctx):
        w, h = 40, 88
        shadow(ctx, w / 2, h - 4, 12, 3.5)
        polygon(ctx, [(w / 2 - 10, h - 4), (w / 2 + 10, h - 4), (w / 2 + 3, h - 14), (w / 2 - 3, h - 14)])
        fill_outline(ctx, gold, 1.2)
        stroke_line(ctx, [(w / 2, h - 14), (w / 2, 26)], 3.0, gold, outline=1.2)
        ctx.move_to(6, 18)
        ctx.curve_to(6, 34, w - 6, 34, w - 6, 18)
        ctx.set_line_width(4.2)
        paint_colour(ctx, OUTLINE)
        ctx.stroke_preserve()
        ctx.set_line_width(2.6)
        paint_colour(ctx, gold)
        ctx.stroke()
        for x in (6, w / 2, w - 6):
            stroke_line(ctx, [(x, 20), (x, 9)], 3.0, white, outline=1.2)
            ellipse(ctx, x, 5, 2, 3.5)
            paint_colour(ctx, hex_colour("ffb020"))
            ctx.fill()

    def rug(ctx):
        w, h = 160, 72
        ellipse(ctx, w / 2, h / 2, w / 2 - 3, h / 2 - 3)
        fill_outline(ctx, hex_colour("2a4a7a"), 1.4)
        ellipse(ctx, w / 2, h / 2, w / 2 - 12, h / 2 - 10)
        ctx.set_line_width(3)
        paint_colour(ctx, gold)
        ctx.stroke()
        star_path(ctx, w / 2, h / 2, 20, 9, 8, 0)
        paint_colour(ctx, shade(gold, 0.9))
        ctx.fill()

    return [
        frame_of("Table", 136, 104, lambda ctx: round_table(ctx, 136, 104, white, gold, candle=True)),
        frame_of("Chair", 40, 60, lambda ctx: chair(ctx, 40, 60, hex_colour("8a1c28"), hex_colour("5a3018"))),
        frame_of("Plant", 56, 84,
                 lambda ctx: potted_plant(ctx, 56, 84, hex_colour("c8c0b0"), hex_colour("3a7a3a"), rng)),
        frame_of("Pillar", 48, 136, pillar),
        frame_of("Clock", 44, 120, clock),
        frame_of("Painting", 88, 64, painting),
        frame_of("Candelabra", 40, 88, candelabra),
        frame_of("Rug", 160, 72, rug),
    ]


# ---- Mall -----------------------------------------------------------------------------------------

def mall_decor():
    rng = random.Random(22)
    teal, orange = hex_colour("2a8a8a"), hex_colour("f28a2a")
    steel = hex_colour("b8c0c8")

    def table(ctx):
        w, h = 96, 80
        shadow(ctx, w / 2, h - 6, 40, 6)
        stroke_line(ctx, [(w / 2, h * 0.45), (w / 2, h - 8)], 5, steel, outline=1.4)
        ellipse(ctx, w / 2, h - 8, 16, 4)
        fill_outline(ctx, steel, 1.2)
        rounded_rect(ctx, 6, h * 0.3, w - 12, h * 0.22, 8)
        fill_outline(ctx, hex_colour("f4f4f0"), 1.6)
        ctx.rectangle(8, h * 0.44, w - 16, 4)
        paint_colour(ctx, teal)
        ctx.fill()
        for x, colour in ((30, hex_colour("e8402a")), (62, hex_colour("f2c230"))):
            rounded_rect(ctx, x - 9, h * 0.28, 18, 8, 2)
            fill_outline(ctx, colour, 1.0)

    def stall(ctx):
        w, h = 200, 136
        shadow(ctx, w / 2, h - 6, 90, 7)
        rounded_rect(ctx, 8, 60, w - 16, h - 68, 4)
        fill_outline(ctx, hex_colour("e8e2d4"), 1.6)
        for i in range(0, w - 16, 16):
            ctx.rectangle(8 + i, 100, 8, h - 108)
            paint_colour(ctx, shade(orange, 0.9), 0.8)
            ctx.fill()
        rounded_rect(ctx, 4, 54, w - 8, 12, 3)
        fill_outline(ctx, steel, 1.4)
        for i, food in enumerate(hex_colour(c) for c in ("d05a2a", "f2c230", "6aa848", "d04060")):
            ellipse(ctx, 40 + i * 40, 54, 13, 5)
            fill_outline(ctx, food, 1.0)
        for x in (14, w - 18):
            ctx.rectangle(x, 20, 4, 36)
            fill_outline(ctx, steel, 1.0)
        rounded_rect(ctx, 4, 4, w - 8, 22, 5)
        fill_outline(ctx, orange, 1.6)
        # The sign: a burger and three stripes, no words.
        ellipse(ctx, w / 2, 12, 11, 5)
        fill_outline(ctx, hex_colour("e8a040"), 1.0)
        ctx.rectangle(w / 2 - 12, 14, 24, 3)
        fill_outline(ctx, hex_colour("6a3a1e"), 0.8)
        ellipse(ctx, w / 2, 19, 11, 2.6)
        fill_outline(ctx, hex_colour("e8a040"), 1.0)
        for x in (30, 48, w - 48, w - 30):
            stroke_line(ctx, [(x, 10), (x, 20)], 4, shade(orange, 1.4))

    def fountain(ctx):
        w, h = 136, 104
        shadow(ctx, w / 2, h - 10, 60, 10)
        ellipse(ctx, w / 2, h - 26, 62, 22)
        fill_outline(ctx, hex_colour("c8ccd0"), 1.8)
        ellipse(ctx, w / 2, h - 30, 54, 17)
        fill_outline(ctx, hex_colour("6ac8e8"), 1.2)
        for r in (12, 26, 40):
            ellipse(ctx, w / 2, h - 30, r, r * 0.3)
            ctx.set_line_width(1.0)
            paint_colour(ctx, (1, 1, 1), 0.5)
            ctx.stroke()
        ctx.rectangle(w / 2 - 5, 26, 10, h - 56)
        fill_outline(ctx, hex_colour("d8dce0"), 1.2)
        ellipse(ctx, w / 2, 28, 20, 6)
        fill_outline(ctx, hex_colour("d8dce0"), 1.2)
        for side in (-1, 1):
            ctx.move_to(w / 2, 20)
            ctx.curve_to(w / 2 + side * 24, 2, w / 2 + side * 40, 30, w / 2 + side * 44, h - 36)
            ctx.set_line_width(2.4)
            paint_colour(ctx, hex_colour("8ad8f8"), 0.9)
            ctx.stroke()
        ellipse(ctx, w / 2, 16, 4, 7)
        paint_colour(ctx, hex_colour("bce8fa"))
        ctx.fill()

    def planter(ctx):
        w, h = 88, 72
        shadow(ctx, w / 2, h - 5, 40, 5)
        for _ in range(16):
            x = rng.uniform(14, w - 14)
            top = rng.uniform(4, 22)
            ctx.move_to(x - 5, 40)
            ctx.curve_to(x - 6, top + 10, x - 2, top, x, top)
            ctx.curve_to(x + 2, top, x + 6, top + 10, x + 5, 40)
            fill_outline(ctx, shade(hex_colour("3a9a4a"), rng.uniform(0.8, 1.2)), 1.0)
        rounded_rect(ctx, 6, 36, w - 12, h - 40, 4)
        fill_outline(ctx, teal, 1.6)
        ctx.rectangle(6, 40, w - 12, 4)
        paint_colour(ctx, shade(teal, 1.4))
        ctx.fill()

    def bin_(ctx):
        w, h = 32, 48
        shadow(ctx, w / 2, h - 3, 13, 3)
        rounded_rect(ctx, 5, 10, w - 10, h - 13, 4)
        fill_outline(ctx, steel, 1.4)
        for x in (11, 16, 21):
            stroke_line(ctx, [(x, 16), (x, h - 8)], 1.0, shade(steel, 0.75))
        rounded_rect(ctx, 3, 5, w - 6, 7, 3)
        fill_outline(ctx, shade(steel, 0.8), 1.2)

    def escalator_sign(ctx):
        w, h = 40, 96
        shadow(ctx, w / 2, h - 3, 12, 3)
        stroke_line(ctx, [(w / 2, 30), (w / 2, h - 4)], 4, steel, outline=1.2)
        rounded_rect(ctx, 3, 3, w - 6, 32, 5)
        fill_outline(ctx, teal, 1.4)
        polygon(ctx, [(w / 2, 8), (w / 2 + 10, 20), (w / 2 + 4, 20), (w / 2 + 4, 30), (w / 2 - 4, 30),
                      (w / 2 - 4, 20), (w / 2 - 10, 20)])
        paint_colour(ctx, (1, 1, 1))
        ctx.fill()

    return [
        frame_of("Table", 96, 80, table),
        frame_of("Chair", 36, 52, lambda ctx: chair(ctx, 36, 52, orange, steel)),
        frame_of("Plant", 88, 72, planter),
        frame_of("Bench", 112, 48, lambda ctx: bench(ctx, 112, 48, hex_colour("c89a6a"), steel)),
        frame_of("Bin", 32, 48, bin_),
        frame_of("Stall", 200, 136, stall),
        frame_of("Fountain", 136, 104, fountain),
        frame_of("Sign", 40, 96, escalator_sign),
    ]


# ---- Carnival -------------------------------------------------------------------------------------

def carnival_decor():
    rng = random.Random(33)
    red, white, yellow = hex_colour("d8282a"), hex_colour("f6f2e8"), hex_colour("f2c230")
    blue = hex_colour("2a5ad8")
    wood = hex_colour("9a6a3a")

    def striped_roof(ctx, x, y, w, h, colours, peak=False):
        stripes = 8
        for i in range(stripes):
            x0, x1 = x + w * i / stripes, x + w * (i + 1) / stripes
            if peak:
                polygon(ctx, [(x + w / 2, y), (x0, y + h), (x1, y + h)])
            else:
                polygon(ctx, [(x0 + 6, y), (x1 + 6, y), (x1, y + h), (x0, y + h)])
            paint_colour(ctx, colours[i % len(colours)])
            ctx.fill()
        for i in range(stripes):
            ctx.arc(x + w * (i + 0.5) / stripes, y + h, w / stripes / 2, 0, math.pi)
            paint_colour(ctx, colours[i % len(colours)])
            ctx.fill()

    def stall(ctx):
        w, h = 168, 144
        shadow(ctx, w / 2, h - 6, 76, 7)
        rounded_rect(ctx, 12, 70, w - 24, h - 78, 3)
        fill_outline(ctx, wood, 1.6)
        for i in range(5):
            stroke_line(ctx, [(14, 80 + i * 12), (w - 14, 80 + i * 12)], 1.0, shade(wood, 0.7))
        rounded_rect(ctx, 8, 64, w - 16, 12, 3)
        fill_outline(ctx, yellow, 1.4)
        for x in (16, w - 20):
            ctx.rectangle(x, 30, 5, 36)
            fill_outline(ctx, white, 1.0)
        # Prizes: little bears and balloons on the counter.
        for i, colour in enumerate((hex_colour("c88a4a"), hex_colour("e85ab8"), hex_colour("3ac8c8"))):
            x = 48 + i * 36
            ctx.arc(x, 52, 8, 0, 2 * math.pi)
            fill_outline(ctx, colour, 1.2)
            for side in (-1, 1):
                ctx.arc(x + side * 6, 45, 3, 0, 2 * math.pi)
                fill_outline(ctx, colour, 1.0)
        striped_roof(ctx, 4, 6, w - 16, 28, [red, white])
        polygon(ctx, [(10, 6), (w - 6, 6), (w - 12, 34), (4, 34)])
        ctx.set_line_width(1.6)
        paint_colour(ctx, OUTLINE)
        ctx.stroke()

    def tent(ctx):
        w, h = 216, 176
        shadow(ctx, w / 2, h - 8, 100, 9)
        polygon(ctx, [(16, 80), (w - 16, 80), (w - 10, h - 10), (10, h - 10)])
        fill_outline(ctx, red, 1.6)
        for i in range(1, 8):
            x = 10 + (w - 20) * i / 8
            stroke_line(ctx, [(x + (x - w / 2) * -0.03, 82), (x, h - 12)], 8, white, 0.9)
        polygon(ctx, [(w / 2 - 22, h - 10), (w / 2, 100), (w / 2 + 22, h - 10)])
        fill_outline(ctx, hex_colour("2a1a20"), 1.4)
        striped_roof(ctx, 8, 16, w - 16, 66, [red, yellow], peak=True)
        polygon(ctx, [(w / 2, 16), (8, 82), (w - 8, 82)])
        ctx.set_line_width(1.8)
        paint_colour(ctx, OUTLINE)
        ctx.stroke()
        stroke_line(ctx, [(w / 2, 16), (w / 2, 2)], 2.0, OUTLINE)
        polygon(ctx, [(w / 2, 2), (w / 2 + 16, 6), (w / 2, 10)])
        fill_outline(ctx, blue, 1.0)

    def balloons(ctx):
        w, h = 56, 104
        shadow(ctx, w / 2, h - 3, 8, 3)
        colours = [red, blue, yellow, hex_colour("3ab84a"), hex_colour("e85ab8")]
        spots = [(16, 18), (36, 14), (26, 30), (12, 38), (42, 34)]
        for (x, y), colour in zip(spots, colours):
            ctx.move_to(x, y + 11)
            ctx.curve_to(x + 3, y + 40, w / 2 - 3, h - 40, w / 2, h - 6)
            ctx.set_line_width(0.8)
            paint_colour(ctx, OUTLINE)
            ctx.stroke()
        for (x, y), colour in zip(spots, colours):
            ellipse(ctx, x, y, 9, 11)
            fill_outline(ctx, colour, 1.2)
            ellipse(ctx, x - 3, y - 4, 2.4, 3.4)
            paint_colour(ctx, (1, 1, 1), 0.6)
            ctx.fill()
        ctx.rectangle(w / 2 - 5, h - 10, 10, 7)
        fill_outline(ctx, wood, 1.0)

    def lamp_post(ctx):
        w, h = 40, 128
        shadow(ctx, w / 2, h - 4, 12, 4)
        ctx.arc(w / 2, 16, 14, 0, 2 * math.pi)
        paint_colour(ctx, hex_colour("ffe080"), 0.3)
        ctx.fill()
        stroke_line(ctx, [(w / 2, 24), (w / 2, h - 8)], 4, hex_colour("2a2a34"), outline=1.2)
        rounded_rect(ctx, w / 2 - 9, h - 10, 18, 7, 2)
        fill_outline(ctx, hex_colour("2a2a34"), 1.0)
        polygon(ctx, [(w / 2 - 8, 10), (w / 2 + 8, 10), (w / 2 + 6, 26), (w / 2 - 6, 26)])
        fill_outline(ctx, hex_colour("ffe890"), 1.2)
        polygon(ctx, [(w / 2 - 11, 10), (w / 2 + 11, 10), (w / 2, 2)])
        fill_outline(ctx, hex_colour("2a2a34"), 1.0)

    def barrel(ctx):
        w, h = 44, 52
        shadow(ctx, w / 2, h - 3, 18, 4)
        ctx.move_to(8, 8)
        ctx.curve_to(2, 20, 2, 34, 8, h - 6)
        ctx.line_to(w - 8, h - 6)
        ctx.curve_to(w - 2, 34, w - 2, 20, w - 8, 8)
        ctx.close_path()
        fill_outline(ctx, wood, 1.4)
        for y in (16, h - 14):
            stroke_line(ctx, [(5, y), (w - 5, y)], 2.4, hex_colour("4a4a50"))
        ellipse(ctx, w / 2, 8, w / 2 - 8, 4)
        fill_outline(ctx, shade(wood, 1.2), 1.2)

    def hay(ctx):
        w, h = 72, 48
        shadow(ctx, w / 2, h - 3, 32, 4)
        rounded_rect(ctx, 4, 10, w - 8, h - 14, 6)
        fill_outline(ctx, hex_colour("e8c860"), 1.4)
        for _ in range(30):
            x, y = rng.uniform(8, w - 8), rng.uniform(14, h - 8)
            stroke_line(ctx, [(x, y), (x + rng.uniform(-5, 5), y + rng.uniform(-2, 2))], 0.8, hex_colour("b89030"))
        for x in (22, w - 22):
            stroke_line(ctx, [(x, 10), (x, h - 4)], 1.6, hex_colour("8a4a2a"))

    def picnic_table(ctx):
        w, h = 120, 72
        shadow(ctx, w / 2, h - 5, 54, 6)
        for x in (16, w - 20):
            polygon(ctx, [(x, 30), (x + 4, 30), (x + 10, h - 6), (x + 6, h - 6)])
            fill_outline(ctx, shade(wood, 0.8), 1.0)
        rounded_rect(ctx, 4, 22, w - 8, 14, 2)
        fill_outline(ctx, wood, 1.4)
        for x in range(14, w - 8, 14):
            stroke_line(ctx, [(x, 23), (x, 35)], 0.9, shade(wood, 0.7))
        rounded_rect(ctx, 10, 46, w - 20, 7, 2)
        fill_outline(ctx, shade(wood, 1.1), 1.2)
        ellipse(ctx, 40, 24, 8, 3)
        fill_outline(ctx, hex_colour("f6f2e8"), 0.9)
        ctx.arc(40, 22, 3.5, math.pi, 2 * math.pi)
        fill_outline(ctx, hex_colour("f0e0a0"), 0.8)

    return [
        frame_of("Stall", 168, 144, stall),
        frame_of("Tent", 216, 176, tent),
        frame_of("Balloons", 56, 104, balloons),
        frame_of("LampPost", 40, 128, lamp_post),
        frame_of("Barrel", 44, 52, barrel),
        frame_of("HayBale", 72, 48, hay),
        frame_of("Bench", 104, 44, lambda ctx: bench(ctx, 104, 44, hex_colour("c8282a"), hex_colour("2a2a34"))),
        frame_of("Table", 120, 72, picnic_table),
    ]


DECOR = {"Decor_Manor": manor_decor, "Decor_Mall": mall_decor, "Decor_Carnival": carnival_decor}
