"""Effects, props and the Detective's meter.

Every prop look is one animation; looks of the same prop share one frame
size so a sprite can switch between them without changing its size.
"""
import math
import random

from art_common import (OUTLINE, Animation, ellipse, fill_outline, hex_colour, mix, paint_colour, polygon,
                        rounded_rect, shade, smooth_polygon, star_path, stroke_line)

WHITE = (1.0, 1.0, 1.0)
CREAM = hex_colour("fbf6ea")
GOLD = hex_colour("f2c230")
POISON = hex_colour("7ee04a")
SMOKE = hex_colour("4a4646")
WOOD = hex_colour("8a5a32")


# ---- Effects ------------------------------------------------------------------------------------

def bubble(ctx, w, h, bob):
    """A speech bubble filling a w x h frame. Guests show it up and to the
    left of their head, so its tail points down to the right."""
    ctx.save()
    ctx.translate(0, bob)
    rounded_rect(ctx, 3, 3, w - 6, h - 14, 9)
    ctx.move_to(w - 19, h - 12.5)
    ctx.line_to(w - 5, h - 3)
    ctx.line_to(w - 10, h - 12.5)
    ctx.close_path()
    fill_outline(ctx, CREAM, 1.6)
    ctx.restore()


def emote_happy(step):
    def draw(ctx):
        bob = [0, -1.0][step]
        bubble(ctx, 48, 48, bob)
        cx, cy = 24, 19 + bob
        ctx.arc(cx, cy, 10, 0, 2 * math.pi)
        fill_outline(ctx, hex_colour("ffd23a"), 1.2)
        for side in (-1, 1):
            ctx.arc(cx + side * 3.6, cy - 2.5, 1.4, 0, 2 * math.pi)
            paint_colour(ctx, OUTLINE)
            ctx.fill()
        ctx.arc(cx, cy + 0.5, 5.6, math.radians(20), math.radians(160))
        ctx.set_line_width(1.6)
        ctx.stroke()
        if step:
            star_path(ctx, 38, 9 + bob, 3.5, 1.4, 4)
            paint_colour(ctx, GOLD)
            ctx.fill()
    return draw


def emote_dots(step):
    def draw(ctx):
        bubble(ctx, 48, 48, 0)
        for i in range(3):
            lit = i <= step
            ctx.arc(14 + i * 10, 19 - (2 if i == step else 0), 3.2, 0, 2 * math.pi)
            paint_colour(ctx, OUTLINE if lit else shade(CREAM, 0.75))
            ctx.fill()
    return draw


def emote_food(step):
    def draw(ctx):
        bob = [0, -1.0][step]
        bubble(ctx, 48, 48, bob)
        cy = 20 + bob
        # A drumstick and a little steam.
        ctx.save()
        ctx.translate(24, cy)
        ctx.rotate(math.radians(-30))
        stroke_line(ctx, [(4, 0), (11, 0)], 3.4, CREAM, outline=1.8)
        ellipse(ctx, 12, -1.6, 2.2, 2.2)
        fill_outline(ctx, CREAM, 1.0)
        ellipse(ctx, 12, 1.6, 2.2, 2.2)
        fill_outline(ctx, CREAM, 1.0)
        ellipse(ctx, -2, 0, 9, 7)
        fill_outline(ctx, hex_colour("c8742e"), 1.3)
        ellipse(ctx, -4, -2.5, 3.5, 2)
        paint_colour(ctx, hex_colour("e6a060"))
        ctx.fill()
        ctx.restore()
        for i, x in enumerate((16, 22)):
            wave = 1.5 if (i + step) % 2 else -1.5
            ctx.move_to(x, cy - 9)
            ctx.curve_to(x + wave, cy - 12, x - wave, cy - 14, x, cy - 17)
            ctx.set_line_width(1.3)
            paint_colour(ctx, hex_colour("9a8f88"))
            ctx.stroke()
    return draw


def panic_mark(step):
    def draw(ctx):
        ctx.save()
        ctx.translate(20, 24)
        ctx.rotate(math.radians([-8, 8][step]))
        star_path(ctx, 0, 0, 18, 12, 9, 0.1 + step * 0.2)
        fill_outline(ctx, hex_colour("ffe14a"), 1.4, edge=hex_colour("c02a10"))
        rounded_rect(ctx, -2.8, -11, 5.6, 14, 2.6)
        paint_colour(ctx, hex_colour("d0201a"))
        ctx.fill()
        ctx.arc(0, 8, 2.9, 0, 2 * math.pi)
        ctx.fill()
        ctx.restore()
    return draw


def faint_stars(step):
    """Three stars on an ellipse around a head, a quarter turn per frame."""
    def draw(ctx):
        cx, cy = 32, 18
        ellipse(ctx, cx, cy, 24, 7)
        ctx.set_line_width(1.0)
        paint_colour(ctx, (1, 1, 0.8), 0.35)
        ctx.stroke()
        for i in range(3):
            a = 2 * math.pi * (i / 3 + step / 12)
            x, y = cx + 24 * math.cos(a), cy + 7 * math.sin(a)
            size = 5.5 + 1.5 * math.sin(a)
            star_path(ctx, x, y, size, size * 0.45)
            fill_outline(ctx, hex_colour("ffe14a"), 1.0, edge=hex_colour("b06a10"))
    return draw


def explosion(step, frames=8):
    """A burst that swells, turns to smoke and thins out."""
    rng = random.Random(17)
    puffs = [(rng.uniform(0, 2 * math.pi), rng.uniform(0.45, 1.0), rng.uniform(0.6, 1.0)) for _ in range(11)]

    def draw(ctx):
        t = step / (frames - 1)
        c = 64
        grow = 14 + 36 * math.sqrt(t)
        fade = 1.0 if t < 0.6 else max(0.0, 1 - (t - 0.6) / 0.45)
        fire = max(0.0, 1 - t * 1.3)
        for angle, reach, size in puffs:
            x = c + math.cos(angle) * grow * reach * 0.7
            y = c + math.sin(angle) * grow * reach * 0.55 - t * 14
            r = (7 + 11 * size) * (0.5 + t * 0.8)
            colour = mix(hex_colour("ff9a20"), SMOKE, min(1.0, t * 1.6))
            ellipse(ctx, x, y, r, r * 0.9)
            paint_colour(ctx, colour, 0.9 * fade)
            ctx.fill()
        if fire > 0:
            star_path(ctx, c, c, grow * 0.95, grow * 0.55, 12, step * 0.3)
            paint_colour(ctx, hex_colour("ff5a10"), fire)
            ctx.fill()
            star_path(ctx, c, c, grow * 0.7, grow * 0.38, 9, step * 0.5)
            paint_colour(ctx, hex_colour("ffd23a"), fire)
            ctx.fill()
            ctx.arc(c, c, grow * 0.3, 0, 2 * math.pi)
            paint_colour(ctx, (1, 1, 0.9), fire)
            ctx.fill()
        # Flying sparks.
        for i in range(8):
            a = i * math.pi / 4 + 0.3
            d = 20 + 45 * t
            x, y = c + math.cos(a) * d, c + math.sin(a) * d * 0.8
            ctx.arc(x, y, 2.4 * (1 - t) + 0.4, 0, 2 * math.pi)
            paint_colour(ctx, hex_colour("ffe080"), 1 - t)
            ctx.fill()
    return draw


def siren(step):
    """The police car that brings the Detective: seen from the side, facing
    right (it drives in from the left), its roof light flashing red and blue
    and its wheels turning."""
    def draw(ctx):
        red, blue = hex_colour("ff2a2a"), hex_colour("2a6aff")
        lit_red = step % 2 == 0
        glow = red if lit_red else blue
        glow_x = 41 if lit_red else 53
        for r, a in ((14, 0.16), (9, 0.28)):
            ctx.arc(glow_x, 15, r, 0, 2 * math.pi)
            paint_colour(ctx, glow, a)
            ctx.fill()
        ellipse(ctx, 48, 58, 42, 4)
        paint_colour(ctx, (0, 0, 0), 0.25)
        ctx.fill()
        # Body: black bonnet and boot, white doors, a light blue cabin.
        smooth_polygon(ctx, [(4, 50), (4, 38), (24, 34), (32, 21), (66, 21), (76, 34), (92, 37), (92, 50)], 0.2)
        fill_outline(ctx, hex_colour("1c1c24"), 1.5)
        polygon(ctx, [(27, 35), (72, 35), (72, 49), (27, 49)])
        paint_colour(ctx, hex_colour("f4f4f0"))
        ctx.fill()
        polygon(ctx, [(34, 24), (48, 24), (48, 34), (28, 34)])
        fill_outline(ctx, hex_colour("9ad0f0"), 1.0)
        polygon(ctx, [(51, 24), (64, 24), (71, 34), (51, 34)])
        fill_outline(ctx, hex_colour("9ad0f0"), 1.0)
        stroke_line(ctx, [(49.5, 35), (49.5, 49)], 1.0, OUTLINE)
        star_path(ctx, 40, 42, 4, 1.8)
        fill_outline(ctx, GOLD, 0.6)
        ctx.rectangle(88, 39, 4, 4)
        paint_colour(ctx, hex_colour("fff4a0"))
        ctx.fill()
        ctx.rectangle(4, 40, 3, 4)
        paint_colour(ctx, hex_colour("d02020"))
        ctx.fill()
        # Roof light bar.
        rounded_rect(ctx, 38, 15, 20, 6, 2)
        fill_outline(ctx, hex_colour("3a3a44"), 1.0)
        ctx.rectangle(39, 16, 9, 4)
        paint_colour(ctx, red, 1.0 if lit_red else 0.35)
        ctx.fill()
        ctx.rectangle(48, 16, 9, 4)
        paint_colour(ctx, blue, 0.35 if lit_red else 1.0)
        ctx.fill()
        for x in (24, 72):
            ctx.arc(x, 50, 8.5, 0, 2 * math.pi)
            fill_outline(ctx, hex_colour("202024"), 1.2)
            ctx.arc(x, 50, 4, 0, 2 * math.pi)
            paint_colour(ctx, hex_colour("b8bcc4"))
            ctx.fill()
            turn = step * math.pi / 4
            stroke_line(ctx, [(x - 3.5 * math.cos(turn), 50 - 3.5 * math.sin(turn)),
                              (x + 3.5 * math.cos(turn), 50 + 3.5 * math.sin(turn))], 1.2, hex_colour("5a5c64"))
    return draw


def sparkle(ctx):
    """A soft white four-pointed glint; particles tint it."""
    for r, a in ((7.5, 0.25), (4.5, 0.5)):
        ctx.arc(8, 8, r, 0, 2 * math.pi)
        paint_colour(ctx, WHITE, a)
        ctx.fill()
    star_path(ctx, 8, 8, 7.8, 1.6, 4)
    paint_colour(ctx, WHITE)
    ctx.fill()


def effect_textures():
    return {
        "Emote": [Animation("Happy", 48, 48, [emote_happy(s) for s in range(2)]),
                  Animation("Dots", 48, 48, [emote_dots(s) for s in range(3)]),
                  Animation("Food", 48, 48, [emote_food(s) for s in range(2)])],
        "Panic": [Animation("Panic", 40, 48, [panic_mark(s) for s in range(2)])],
        "faint_efx": [Animation("Faint", 64, 36, [faint_stars(s) for s in range(4)])],
        "explosion_efx": [Animation("Explode", 128, 128, [explosion(s) for s in range(8)])],
        "Siren": [Animation("Siren", 96, 64, [siren(s) for s in range(4)])],
        "Sparkle": [Animation("Default", 16, 16, [sparkle])],
    }


# ---- Looks shared by the props ---------------------------------------------------------------------

def fumes(ctx, x, y, width, step, strength=0.32):
    """Faint green wisps rising: the poisoned or rigged tell."""
    for i in range(3):
        px = x - width / 2 + width * (i + 0.5) / 3
        phase = (step + i) % 3
        rise = phase * 5
        ctx.move_to(px, y - rise)
        ctx.curve_to(px + 4, y - 6 - rise, px - 4, y - 10 - rise, px + 1, y - 16 - rise)
        ctx.set_line_width(1.8)
        paint_colour(ctx, POISON, strength * (1 - phase * 0.25))
        ctx.stroke()
    for i in range(2):
        ctx.arc(x - width / 4 + i * width / 2, y - 4 - ((step + i) % 3) * 4, 1.8, 0, 2 * math.pi)
        paint_colour(ctx, POISON, strength)
        ctx.fill()


def notes(ctx, x, y, step, colour=OUTLINE):
    """Music notes drifting up."""
    for i in range(2):
        phase = (step + i * 2) % 3
        nx, ny = x + i * 14 + phase * 2, y - phase * 6 - i * 4
        ellipse(ctx, nx, ny, 3, 2.2, math.radians(-20))
        paint_colour(ctx, colour, 1 - phase * 0.25)
        ctx.fill()
        stroke_line(ctx, [(nx + 2.6, ny), (nx + 2.6, ny - 9), (nx + 6, ny - 7)], 1.3, colour, 1 - phase * 0.25)


def glints(ctx, points, step):
    for i, (x, y) in enumerate(points):
        if (i + step) % 2 == 0:
            star_path(ctx, x, y, 4, 1.2, 4)
            paint_colour(ctx, WHITE, 0.9)
            ctx.fill()


def looks(w, h, draw, broken=None):
    """The four use looks of a prop (plus "Broken" when given). draw(ctx,
    step, in_use, sabotaged) draws one frame."""
    def frame(step, in_use, sabotaged):
        return lambda ctx: draw(ctx, step, in_use, sabotaged)
    animations = [Animation("Normal", w, h, [frame(0, False, False)]),
                  Animation("Sabotaged", w, h, [frame(s, False, True) for s in range(3)]),
                  Animation("Interact", w, h, [frame(s, True, False) for s in range(3)]),
                  Animation("InteractSabotaged", w, h, [frame(s, True, True) for s in range(3)])]
    if broken:
        animations.append(Animation("Broken", w, h, [lambda ctx, s=s: broken(ctx, s) for s in range(3)]))
    return animations


def tinted(colour, sabotaged, amount=0.12):
    return mix(colour, POISON, amount) if sabotaged else colour


# ---- Dishes --------------------------------------------------------------------------------------

def buffet(ctx, step, in_use, sabotaged):
    """A buffet table with three silver trays of food (112 x 72)."""
    rounded_rect(ctx, 6, 30, 100, 26, 4)
    fill_outline(ctx, CREAM, 1.4)
    for x in range(10, 104, 12):
        stroke_line(ctx, [(x, 50), (x + 4, 56)], 0.8, shade(CREAM, 0.85))
    for x in (14, 94):
        ctx.rectangle(x, 56, 5, 12)
        fill_outline(ctx, WOOD, 1.0)
    foods = [hex_colour("d06a2a"), hex_colour("6aa848"), hex_colour("e6c050")]
    for i, food in enumerate(foods):
        cx = 26 + i * 30
        ellipse(ctx, cx, 36, 13, 6)
        fill_outline(ctx, hex_colour("d8dce4"), 1.1)
        portion = 4.8 - (1.8 if in_use and i == step % 3 else 0)
        ellipse(ctx, cx, 34, 9, portion)
        fill_outline(ctx, tinted(food, sabotaged), 0.8)
        for j in range(3):
            ctx.arc(cx - 4 + j * 4, 33 - (j % 2), 1.4, 0, 2 * math.pi)
            paint_colour(ctx, shade(tinted(food, sabotaged), 1.3))
            ctx.fill()
    if in_use:
        # A serving spoon lifted over the tray being served.
        cx = 26 + (step % 3) * 30
        stroke_line(ctx, [(cx + 6, 30), (cx + 14, 20)], 1.8, hex_colour("b8bcc4"), outline=1.2)
        ellipse(ctx, cx + 4, 31, 3.2, 2)
        fill_outline(ctx, hex_colour("b8bcc4"), 0.8)
        glints(ctx, [(cx - 8, 24), (cx + 10, 16)], step)
    if sabotaged:
        fumes(ctx, 56, 30, 70, step)


def punchbowl(ctx, step, in_use, sabotaged):
    """A glass bowl of pink punch on a stand, with a ladle (64 x 64)."""
    punch = tinted(hex_colour("e8507a"), sabotaged, 0.16)
    polygon(ctx, [(26, 52), (38, 52), (42, 60), (22, 60)])
    fill_outline(ctx, hex_colour("c8d8e8"), 1.1)
    ctx.move_to(8, 28)
    ctx.curve_to(8, 50, 56, 50, 56, 28)
    ctx.close_path()
    fill_outline(ctx, hex_colour("d8ecf8"), 1.3, alpha=1.0)
    ctx.move_to(11, 31)
    ctx.curve_to(12, 46, 52, 46, 53, 31)
    ctx.close_path()
    paint_colour(ctx, punch)
    ctx.fill()
    ellipse(ctx, 32, 29, 24, 4.6)
    fill_outline(ctx, shade(punch, 1.2), 1.1)
    for x, y in ((22, 29), (38, 30)):
        ctx.arc(x, y, 2.2, 0, 2 * math.pi)
        fill_outline(ctx, hex_colour("f0d040"), 0.6)
    ellipse(ctx, 20, 36, 3, 6, math.radians(20))
    paint_colour(ctx, WHITE, 0.5)
    ctx.fill()
    lift = 6 if in_use and step % 2 == 0 else 0
    stroke_line(ctx, [(40, 28 - lift), (50, 10 - lift)], 2.0, hex_colour("b8bcc4"), outline=1.2)
    if in_use:
        ellipse(ctx, 39, 29 - lift, 4, 2.4)
        fill_outline(ctx, hex_colour("b8bcc4"), 0.8)
        glints(ctx, [(14, 20), (48, 22)], step)
    if sabotaged:
        fumes(ctx, 30, 30, 34, step)
        for i in range(3):
            ctx.arc(18 + i * 12, 29 - ((step + i) % 2), 1.6, 0, 2 * math.pi)
            paint_colour(ctx, POISON, 0.7)
            ctx.fill()


def cake(ctx, step, in_use, sabotaged):
    """A three-tier cake on a stand (64 x 72)."""
    icing = tinted(hex_colour("fbeff4"), sabotaged, 0.14)
    sponge = tinted(hex_colour("f0a0b8"), sabotaged, 0.14)
    ellipse(ctx, 32, 64, 24, 4)
    fill_outline(ctx, hex_colour("d8dce4"), 1.2)
    tiers = [(46, 64, 40, 12), (34, 46, 30, 11), (24, 34, 20, 9)]
    for i, (top, bottom, width, height) in enumerate(tiers):
        x = 32 - width / 2
        missing = in_use and i == 0 and step > 0
        rounded_rect(ctx, x, bottom - height - 4, width, height + 2, 3)
        fill_outline(ctx, sponge, 1.2)
        ctx.rectangle(x, bottom - height - 4, width, 4)
        paint_colour(ctx, icing)
        ctx.fill()
        for j in range(int(width // 6)):
            ctx.arc(x + 3 + j * 6, bottom - height, 2, 0, math.pi)
            paint_colour(ctx, icing)
            ctx.fill()
        if missing:
            # A slice cut out of the bottom tier.
            polygon(ctx, [(40, 47), (50, 47), (50, 60), (40, 60)])
            paint_colour(ctx, shade(sponge, 0.8))
            ctx.fill()
    for x in (28, 32, 36):
        stroke_line(ctx, [(x, 14), (x, 8)], 1.6, hex_colour("f0f0ff"), outline=1.0)
        ellipse(ctx, x, 6, 1.3, 2.4 + (step % 2) * 0.6 if in_use else 2.4)
        paint_colour(ctx, hex_colour("ffb020"))
        ctx.fill()
    ctx.arc(32, 17, 2.6, 0, 2 * math.pi)
    fill_outline(ctx, hex_colour("d01c2c"), 0.8)
    if in_use:
        stroke_line(ctx, [(50, 46), (60, 36)], 1.8, hex_colour("b8bcc4"), outline=1.2)
        glints(ctx, [(12, 30), (54, 20)], step)
    if sabotaged:
        fumes(ctx, 32, 30, 30, step)


# ---- Rigged furniture ---------------------------------------------------------------------------

def wire_and_light(ctx, x, y, step):
    """The rigged tell: a taped red wire and a small blinking light."""
    ctx.move_to(x - 10, y + 4)
    ctx.curve_to(x - 4, y - 2, x + 2, y + 6, x + 8, y)
    ctx.set_line_width(1.6)
    paint_colour(ctx, hex_colour("c81818"))
    ctx.stroke()
    rounded_rect(ctx, x + 6, y - 4, 8, 6, 1.5)
    fill_outline(ctx, hex_colour("2a2a2a"), 0.8)
    on = step % 2 == 0
    ctx.arc(x + 10, y - 1, 2.8 if on else 1.6, 0, 2 * math.pi)
    paint_colour(ctx, hex_colour("ff3020") if on else hex_colour("801010"))
    ctx.fill()


def smoke_wisps(ctx, x, y, step, spread=20):
    for i in range(3):
        phase = (step + i) % 3
        ellipse(ctx, x - spread / 2 + i * spread / 2 + phase * 2, y - phase * 7, 6 + phase * 2, 5 + phase * 2)
        paint_colour(ctx, SMOKE, 0.55 - phase * 0.14)
        ctx.fill()


def rigged(body, wire_at, notes_at=None):
    """The use looks of a piece of furniture: its body, music notes while
    it plays (when it makes music), and the rigged tell once sabotaged."""
    def draw(ctx, step, in_use, sabotaged):
        body(ctx, step, in_use)
        if in_use and notes_at:
            notes(ctx, notes_at[0], notes_at[1], step, hex_colour("3a1a5a"))
        if sabotaged:
            wire_and_light(ctx, wire_at[0], wire_at[1], step)
    return draw


def jukebox_body(ctx, step, in_use, charred=False):
    """A glowing jukebox (64 x 96)."""
    body = hex_colour("b0302a") if not charred else hex_colour("3a2a26")
    trim = GOLD if not charred else hex_colour("5a4a30")
    ctx.move_to(8, 90)
    ctx.line_to(8, 34)
    ctx.curve_to(8, 8, 56, 8, 56, 34)
    ctx.line_to(56, 90)
    ctx.close_path()
    fill_outline(ctx, body, 1.6)
    ctx.move_to(14, 86)
    ctx.line_to(14, 35)
    ctx.curve_to(14, 15, 50, 15, 50, 35)
    ctx.line_to(50, 86)
    ctx.set_line_width(2.4)
    paint_colour(ctx, trim)
    ctx.stroke()
    glow = [hex_colour("ff6ad5"), hex_colour("6ae0ff"), hex_colour("ffe66a")]
    colour = glow[step % 3] if in_use else hex_colour("f0a040")
    if charred:
        colour = hex_colour("2a2220")
    ctx.move_to(18, 40)
    ctx.curve_to(18, 22, 46, 22, 46, 40)
    ctx.close_path()
    paint_colour(ctx, colour, 0.9)
    ctx.fill()
    rounded_rect(ctx, 18, 44, 28, 16, 2)
    fill_outline(ctx, hex_colour("f4ead0") if not charred else hex_colour("2a2624"), 1.0)
    for i in range(4):
        stroke_line(ctx, [(21, 48 + i * 3.5), (43, 48 + i * 3.5)], 0.8, hex_colour("8a7a60"))
    rounded_rect(ctx, 18, 64, 28, 18, 2)
    paint_colour(ctx, shade(body, 0.6))
    ctx.fill()
    for i in range(5):
        stroke_line(ctx, [(20 + i * 6, 66), (20 + i * 6, 80)], 1.2, shade(body, 0.4))


def jukebox_broken(ctx, step):
    jukebox_body(ctx, 0, False, charred=True)
    stroke_line(ctx, [(24, 30), (30, 44), (26, 56), (34, 70)], 1.4, hex_colour("101010"))
    smoke_wisps(ctx, 32, 28, step)


def pool_table_body(ctx, step, in_use, charred=False):
    """A pool table seen from above and in front (128 x 80)."""
    felt = hex_colour("1f8a4a") if not charred else hex_colour("2a3028")
    rail = hex_colour("6a3a1e") if not charred else hex_colour("2a1e18")
    for x in (14, 110):
        ctx.rectangle(x, 56, 8, 20)
        fill_outline(ctx, shade(rail, 0.8), 1.2)
    rounded_rect(ctx, 4, 10, 120, 52, 7)
    fill_outline(ctx, rail, 1.6)
    rounded_rect(ctx, 12, 17, 104, 38, 3)
    fill_outline(ctx, felt, 1.0)
    for x, y in ((12, 17), (64, 15), (116, 17), (12, 55), (64, 57), (116, 55)):
        ctx.arc(x, y, 3.4, 0, 2 * math.pi)
        paint_colour(ctx, hex_colour("101010"))
        ctx.fill()
    if charred:
        return
    balls = [hex_colour("f0d020"), hex_colour("2050d0"), hex_colour("d02020"), hex_colour("602080"),
             hex_colour("f07020"), hex_colour("208040"), hex_colour("101010")]
    rack = [(84, 36), (89, 33), (89, 39), (94, 30), (94, 36), (94, 42), (99, 33)]
    if in_use and step > 0:
        rng = random.Random(step)
        rack = [(x - rng.uniform(0, 30) * step / 2, y + rng.uniform(-12, 12)) for x, y in rack]
    for (x, y), colour in zip(rack, balls):
        ctx.arc(x, y, 2.8, 0, 2 * math.pi)
        fill_outline(ctx, colour, 0.7)
    cue_x = 36 - (6 if in_use and step == 0 else 0) + (8 if in_use and step > 0 else 0)
    ctx.arc(cue_x, 36, 2.8, 0, 2 * math.pi)
    fill_outline(ctx, CREAM, 0.7)
    if in_use:
        stroke_line(ctx, [(cue_x - 6, 37), (max(cue_x - 34, 4), 43)], 2.0, hex_colour("d8b070"), outline=1.0)


def pool_table_broken(ctx, step):
    pool_table_body(ctx, 0, False, charred=True)
    polygon(ctx, [(50, 17), (58, 34), (52, 55), (70, 40), (66, 20)])
    paint_colour(ctx, hex_colour("0c0c0c"))
    ctx.fill()
    for x, y in ((30, 68), (92, 70), (104, 66)):
        ctx.arc(x, y, 2.6, 0, 2 * math.pi)
        fill_outline(ctx, hex_colour("3a3a3a"), 0.6)
    smoke_wisps(ctx, 62, 27, step, 40)


def piano_body(ctx, step, in_use, charred=False):
    """An upright piano (112 x 96)."""
    black = hex_colour("1e1a1e") if not charred else hex_colour("2a2420")
    ctx.rectangle(12, 70, 6, 20)
    fill_outline(ctx, black, 1.0)
    ctx.rectangle(94, 70, 6, 20)
    fill_outline(ctx, black, 1.0)
    # Upright body with a lid and music stand.
    rounded_rect(ctx, 6, 14, 100, 58, 4)
    fill_outline(ctx, black, 1.6)
    ctx.rectangle(10, 18, 92, 4)
    paint_colour(ctx, shade(black, 2.6) if not charred else black)
    ctx.fill()
    rounded_rect(ctx, 30, 26, 52, 14, 2)
    fill_outline(ctx, CREAM if not charred else hex_colour("4a4038"), 0.8)
    for i in range(4):
        stroke_line(ctx, [(34, 30 + i * 3), (78, 30 + i * 3)], 0.5, hex_colour("6a6a6a"))
    ctx.rectangle(4, 50, 104, 14)
    fill_outline(ctx, black, 1.2)
    ctx.rectangle(8, 52, 96, 10)
    paint_colour(ctx, WHITE if not charred else hex_colour("5a5048"))
    ctx.fill()
    pressed = (step * 5 + 3) % 16 if in_use else -1
    for i in range(16):
        x = 8 + i * 6
        if i == pressed:
            ctx.rectangle(x, 52, 6, 10)
            paint_colour(ctx, hex_colour("c8d0ff"))
            ctx.fill()
        stroke_line(ctx, [(x, 52), (x, 62)], 0.6, hex_colour("888888"))
        if i % 7 not in (2, 6):
            ctx.rectangle(x + 4, 52, 3.4, 6)
            paint_colour(ctx, black)
            ctx.fill()


def piano_broken(ctx, step):
    piano_body(ctx, 0, False, charred=True)
    polygon(ctx, [(40, 14), (48, 30), (44, 50), (60, 36), (56, 14)])
    paint_colour(ctx, hex_colour("0c0c0c"))
    ctx.fill()
    stroke_line(ctx, [(20, 54), (30, 62)], 1.2, hex_colour("101010"))
    smoke_wisps(ctx, 56, 27, step, 40)


# ---- Alarm and meter ------------------------------------------------------------------------------

def alarm_box(state, step):
    """A wall alarm (48 x 56): bright red when ready, ringing when used, grey
    with a clock while it cools down."""
    def draw(ctx):
        ringing = state == "Interacted"
        cooling = state == "Cooldown"
        shake = ([-1.5, 1.5][step] if ringing else 0)
        body = hex_colour("8a8a90") if cooling else hex_colour("d8201c")
        if ringing:
            for r, a in ((20, 0.25), (15, 0.35)):
                ctx.arc(24, 24, r + step * 1.5, 0, 2 * math.pi)
                paint_colour(ctx, hex_colour("ffe14a"), a)
                ctx.fill()
            for i in range(6):
                a = i * math.pi / 3 + step * 0.5
                stroke_line(ctx, [(24 + math.cos(a) * 17, 24 + math.sin(a) * 17),
                                  (24 + math.cos(a) * 21, 24 + math.sin(a) * 21)], 2.0, hex_colour("ffb000"))
        ctx.save()
        ctx.translate(shake, 0)
        rounded_rect(ctx, 8, 6, 32, 44, 5)
        fill_outline(ctx, body, 1.6)
        ctx.arc(24, 22, 10, 0, 2 * math.pi)
        fill_outline(ctx, hex_colour("f4f0e8") if not cooling else hex_colour("c4c4c8"), 1.2)
        if cooling:
            stroke_line(ctx, [(24, 22), (24, 15)], 1.6, OUTLINE)
            stroke_line(ctx, [(24, 22), (29, 24)], 1.6, OUTLINE)
        else:
            # A bell.
            ctx.move_to(18, 26)
            ctx.curve_to(18, 14, 30, 14, 30, 26)
            ctx.close_path()
            fill_outline(ctx, GOLD, 0.9)
            ctx.arc(24, 27, 1.6, 0, 2 * math.pi)
            paint_colour(ctx, OUTLINE)
            ctx.fill()
        lamps = {"Normal": "40e040", "Interacted": "ffe14a", "Cooldown": "505050"}
        lamp = hex_colour(lamps[state])
        ctx.arc(24, 41, 3.4, 0, 2 * math.pi)
        fill_outline(ctx, lamp, 1.0)
        ctx.restore()
    return draw


def meter_frame(ctx):
    rounded_rect(ctx, 1, 1, 98, 14, 4)
    ctx.set_line_width(2.4)
    paint_colour(ctx, OUTLINE)
    ctx.stroke()
    rounded_rect(ctx, 1, 1, 98, 14, 4)
    ctx.set_line_width(1.0)
    paint_colour(ctx, CREAM)
    ctx.stroke()
    for x in (25, 50, 75):
        stroke_line(ctx, [(x, 2), (x, 5)], 1.0, CREAM)


def meter_fill(ctx):
    ctx.rectangle(0, 0, 100, 12)
    paint_colour(ctx, WHITE)
    ctx.fill()


def meter_arrow(ctx):
    polygon(ctx, [(2, 2), (14, 2), (8, 16)])
    fill_outline(ctx, WHITE, 1.6)


def prop_textures():
    return {
        "Food_Buffet": looks(112, 72, buffet),
        "Food_Punchbowl": looks(64, 64, punchbowl),
        "Food_Cake": looks(64, 72, cake),
        "Jukebox": looks(64, 96, rigged(jukebox_body, (20, 90), (34, 29)), jukebox_broken),
        "PoolTable": looks(128, 80, rigged(pool_table_body, (100, 64)), pool_table_broken),
        "Piano": looks(112, 96, rigged(piano_body, (84, 88), (80, 29)), piano_broken),
        "AlarmBox": [Animation("Normal", 48, 56, [alarm_box("Normal", 0)]),
                     Animation("Interacted", 48, 56, [alarm_box("Interacted", s) for s in range(2)]),
                     Animation("Cooldown", 48, 56, [alarm_box("Cooldown", 0)])],
        "Meter": [Animation("Frame", 100, 16, [meter_frame]),
                  Animation("Fill", 100, 12, [meter_fill]),
                  Animation("Arrow", 16, 18, [meter_arrow])],
    }
