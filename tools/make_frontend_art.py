#!/usr/bin/python3
"""Draws the front end's pictures with cairo: the two splash pages, the
backgrounds of the main menu, the player select and the level select, the
options panel, the players' role markers and one sheet of labelled menu
buttons. Writes them under Resources/textures/frontend/ and rewrites the
front end's section of Resources/ui_textures.xml.

Run by hand from the repository root after changing a drawing:
    /usr/bin/python3 tools/make_frontend_art.py
then /usr/bin/python3 tools/make_frontend_scenes.py, which places the
objects on the positions given here. The output is deterministic.

Coordinates in the layout are the game's: pixels from the window centre,
y up. The palette is the HUD's (tools/make_ui_art.py): dark plum panels with
a gold rim, gold text. Text is set in DejaVu Sans Bold, the game font.
"""
import math
import os
import sys

import cairo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from art_common import (ROOT, Animation, context, ellipse, list_entry, polygon, render_sheet,  # noqa: E402
                        replace_list_section, rounded_rect, save_png, surface)

FOLDER = "Resources/textures/frontend"
TEXTURE_LIST = os.path.join(ROOT, "Resources", "ui_textures.xml")
FONT_FAMILY = "DejaVu Sans"

WIDTH, HEIGHT = 1280, 720


def rgb(r, g, b):
    return (r / 255.0, g / 255.0, b / 255.0)


NIGHT = rgb(14, 10, 20)
INK = rgb(24, 16, 30)
PLUM_DARK = rgb(40, 25, 48)
PANEL = rgb(30, 20, 38)
PLUM = rgb(62, 38, 72)
PLUM_LIGHT = rgb(104, 66, 118)
GOLD = rgb(222, 161, 46)
GOLD_LIGHT = rgb(250, 212, 120)
GREY = rgb(110, 104, 116)
SILVER = rgb(200, 196, 206)
RED = rgb(196, 40, 40)
WINE = rgb(92, 22, 34)
TEAL = rgb(64, 170, 176)
GLASS = rgb(70, 120, 150)
WHITE = rgb(250, 246, 238)

# ---- Layout shared with the scene archetypes ----------------------------------

BUTTON_W, BUTTON_H = 260, 56
MAIN_BUTTONS = [("Play", 0, 60), ("Options", 0, -20), ("Quit", 0, -100)]
OPTIONS_PANEL = (0, -60, 600, 400)  # centre x, y, width, height
OPTIONS_ROWS = {"Music": 40, "Sound": -25, "Fullscreen": -95}
SLIDER_X, SLIDER_W, SLIDER_H = 90, 256, 32
SPEAKER_X = -80
TOGGLE_SIZE = 56
CLOSE_Y = -190
PLAYER_BUTTONS = [("Play", 0, -180), ("Tutorial", 0, -240), ("Back", 0, -300)]
CARD_Y, CARD_W, CARD_H = 110, 330, 300
DETECTIVE_SPOT = (-380, 20)
KILLER_SPOT = (380, 20)
HOME_SPOTS = {1: (0, 130), 2: (0, 20)}
MARKER_SIZE = 92
CAPTION_Y = -105
VENUES = [("Manor", "THE MANOR", "dining hall", -400), ("Mall", "THE MALL", "food court", 0),
          ("Carnival", "THE CARNIVAL", "fairground", 400)]
LEVEL_TOP_Y = [190, 0, -190]  # first button of each venue; the next ones go down by LEVEL_STEP
LEVEL_STEP = 62
LEVEL_BACK = (-400, -318)


def level_buttons():
    """(scene name, label, x, y) of the nine level buttons, in play order."""
    result = []
    for group, (venue, _, _, x) in enumerate(VENUES):
        for number in range(3):
            scene = "level%d_%d" % (group + 1, number + 1)
            label = "Level %d-%d  %s" % (group + 1, number + 1, venue)
            result.append((scene, label, x, LEVEL_TOP_Y[group] - number * LEVEL_STEP))
    return result


# ---- Drawing helpers ----------------------------------------------------------------


def px(x, y):
    """Picture point of a game position."""
    return WIDTH / 2 + x, HEIGHT / 2 - y


def fill(ctx, colour, alpha=1.0):
    ctx.set_source_rgba(colour[0], colour[1], colour[2], alpha)
    ctx.fill()


def shape(ctx, colour, edge=None, width=3):
    """Fills the current path, then strokes it with edge when given."""
    ctx.set_source_rgb(*colour)
    if edge is None:
        ctx.fill()
        return
    ctx.fill_preserve()
    ctx.set_source_rgb(*edge)
    ctx.set_line_width(width)
    ctx.stroke()


def line(ctx, points, colour, width):
    ctx.move_to(*points[0])
    for point in points[1:]:
        ctx.line_to(*point)
    ctx.set_source_rgb(*colour)
    ctx.set_line_width(width)
    ctx.stroke()


def text_width(words, size):
    ctx = cairo.Context(surface(1, 1))
    ctx.select_font_face(FONT_FAMILY, cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    ctx.set_font_size(size)
    return ctx.text_extents(words).x_advance


def text(ctx, centre, words, size, colour=GOLD, shadow=True):
    """Words centred on a picture point, with a dark drop shadow."""
    ctx.select_font_face(FONT_FAMILY, cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    ctx.set_font_size(size)
    extents = ctx.text_extents(words)
    x = centre[0] - extents.x_advance / 2
    y = centre[1] + size * 0.36  # the baseline that centres capitals and lower case alike
    for offset, tone in (((3, 3), NIGHT), ((0, 0), colour)) if shadow else (((0, 0), colour),):
        ctx.move_to(x + offset[0], y + offset[1])
        ctx.set_source_rgb(*tone)
        ctx.show_text(words)


def backdrop(top, bottom):
    """A vertical gradient darkening towards every edge."""
    image = surface(WIDTH, HEIGHT, opaque=True)
    ctx = context(image)
    gradient = cairo.LinearGradient(0, 0, 0, HEIGHT)
    gradient.add_color_stop_rgb(0, *top)
    gradient.add_color_stop_rgb(1, *bottom)
    ctx.set_source(gradient)
    ctx.paint()
    edge = cairo.RadialGradient(WIDTH / 2, HEIGHT / 2, HEIGHT * 0.45, WIDTH / 2, HEIGHT / 2, WIDTH * 0.62)
    edge.add_color_stop_rgba(0, *NIGHT, 0)
    edge.add_color_stop_rgba(1, *NIGHT, 0.85)
    ctx.set_source(edge)
    ctx.paint()
    return image, ctx


def glow(ctx, x, y, radius, colour, alpha):
    light = cairo.RadialGradient(x, y, 0, x, y, radius)
    light.add_color_stop_rgba(0, *colour, alpha)
    light.add_color_stop_rgba(1, *colour, 0)
    ctx.set_source(light)
    ctx.arc(x, y, radius, 0, 2 * math.pi)
    ctx.fill()


def title(ctx, words, y, size=64, subtitle=None):
    text(ctx, px(0, y), words, size)
    rule = px(0, y - size * 0.62)[1]
    if subtitle:
        text(ctx, px(0, y - size * 0.75), subtitle, 24, GOLD_LIGHT)
        rule += 30
    line(ctx, [(WIDTH / 2 - 220, rule), (WIDTH / 2 + 220, rule)], GOLD, 2)


def panel(ctx, centre, size, colour=PLUM_DARK, rim=GOLD, radius=22, width=4):
    x, y = px(*centre)
    rounded_rect(ctx, x - size[0] / 2, y - size[1] / 2, size[0], size[1], radius)
    shape(ctx, colour, rim, width)


def ring(ctx, centre, radius, colour, width=3):
    ctx.new_sub_path()
    ctx.arc(centre[0], centre[1], radius, 0, 2 * math.pi)
    ctx.set_source_rgb(*colour)
    ctx.set_line_width(width)
    ctx.stroke()


def crow(ctx, x, y, scale, colour=NIGHT):
    """A perched crow facing left; (x, y) is the picture point under its feet."""
    def p(u, v):
        return x + u * scale, y - v * scale
    polygon(ctx, [p(-1.0, 3.2), p(-0.2, 3.6), p(0.8, 3.3), p(2.6, 2.2), p(3.6, 1.6), p(2.2, 1.4), p(1.2, 0.9),
                  p(0.2, 0.8), p(-0.6, 1.4), p(-1.0, 2.2)])
    shape(ctx, colour)
    ellipse(ctx, *p(-0.9, 3.55), 0.7 * scale, 0.65 * scale)
    shape(ctx, colour)
    polygon(ctx, [p(-1.5, 3.8), p(-2.5, 3.45), p(-1.45, 3.3)])  # beak
    shape(ctx, colour)
    ellipse(ctx, *p(-1.02, 3.72), 0.13 * scale, 0.13 * scale)
    shape(ctx, GOLD)
    for foot in (-0.1, 0.5):
        line(ctx, [p(foot, 0.9), p(foot, 0.0)], colour, max(2, scale * 0.2))


# ---- Pictures -----------------------------------------------------------------------


def candle(ctx, x, y, height):
    ctx.rectangle(x - 5, y - height, 10, height)
    shape(ctx, rgb(232, 220, 196))
    ellipse(ctx, x, y - height - 12, 6, 10)
    shape(ctx, GOLD_LIGHT)
    ellipse(ctx, x, y - height - 11, 3, 5)
    shape(ctx, WHITE)


def main_menu():
    image, ctx = backdrop(PLUM_DARK, INK)
    for cx in (330, 640, 950):
        glow(ctx, cx, 560, 170, GOLD, 0.28)
    ctx.rectangle(120, 600, 1040, 40)
    shape(ctx, WINE)
    ctx.rectangle(120, 636, 1040, 14)
    shape(ctx, NIGHT)
    for leg in (160, 1120):
        ctx.rectangle(leg - 8, 650, 16, 70)
        shape(ctx, NIGHT)
    for plate in (220, 450, 530, 750, 830, 1060):
        ellipse(ctx, plate, 598, 34, 8)
        shape(ctx, SILVER)
    for cx in (330, 640, 950):
        polygon(ctx, [(cx - 30, 600), (cx + 30, 600), (cx + 8, 585), (cx - 8, 585)])
        shape(ctx, GOLD)
        candle(ctx, cx, 585, 60)
    crow(ctx, 1080, 600, 16)
    title(ctx, "CORVIDALE", 235, size=96, subtitle="a murder at the dinner party")
    return image


def splash_title():
    image, ctx = backdrop(PLUM_DARK, NIGHT)
    crow(ctx, 640, 300, 26)
    line(ctx, [(520, 300), (760, 300)], GOLD, 6)  # the branch
    text(ctx, (640, 400), "CORVIDALE", 120)
    text(ctx, (640, 480), "A killer is among the dinner guests.", 30, GOLD_LIGHT)
    text(ctx, (640, 660), "Space, Enter or A to skip", 20, GREY, shadow=False)
    return image


def keyboard(ctx, x, y):
    rounded_rect(ctx, x - 150, y - 55, 300, 110, 10)
    shape(ctx, PLUM, GOLD)
    for row in range(3):
        for col in range(10):
            rounded_rect(ctx, x - 135 + col * 27 + row * 6, y - 42 + row * 27, 22, 22, 4)
            shape(ctx, PLUM_LIGHT)
    rounded_rect(ctx, x - 80, y + 39, 160, 11, 4)
    shape(ctx, PLUM_LIGHT)


def game_pad(ctx, x, y, colour):
    for gx, gy in ((-53, 20), (53, 20)):
        ellipse(ctx, x + gx, y + gy, 25, 30)
        shape(ctx, colour, GOLD)
    rounded_rect(ctx, x - 70, y - 35, 140, 65, 28)
    shape(ctx, colour, GOLD)
    ctx.rectangle(x - 40, y - 18, 6, 26)
    ctx.rectangle(x - 50, y - 8, 26, 6)
    shape(ctx, NIGHT)
    for bx, by in ((36, -14), (48, -2), (24, -2), (36, 10)):
        ellipse(ctx, x + bx, y + by, 6, 6)
        shape(ctx, GOLD_LIGHT)


def splash_players():
    image, ctx = backdrop(PLUM_DARK, NIGHT)
    text(ctx, (640, 140), "A game for two players", 56)
    text(ctx, (640, 200), "One is the Killer, hidden among the guests. One is the Detective.", 24, GOLD_LIGHT)
    keyboard(ctx, 400, 370)
    text(ctx, (400, 470), "one keyboard", 28)
    text(ctx, (400, 505), "W A S D  and the arrow keys", 20, GOLD_LIGHT)
    text(ctx, (640, 370), "or", 30, GREY)
    game_pad(ctx, 820, 360, PLUM)
    game_pad(ctx, 990, 380, PLUM_LIGHT)
    text(ctx, (905, 470), "two game pads", 28)
    text(ctx, (640, 660), "Space, Enter or A to skip", 20, GREY, shadow=False)
    return image


def person(ctx, x, y, s, half_width):
    """Body and head of a standing figure; (x, y) under the feet."""
    polygon(ctx, [(x - half_width * s, y), (x + half_width * s, y), (x + 24 * s, y - 92 * s), (x - 24 * s, y - 92 * s)])
    shape(ctx, NIGHT)
    ellipse(ctx, x, y - 108 * s, 20 * s, 20 * s)
    shape(ctx, NIGHT)


def detective(ctx, x, y, s):
    """Hat, coat and magnifying glass."""
    person(ctx, x, y, s, 38)
    ctx.rectangle(x - 40 * s, y - 126 * s, 80 * s, 8 * s)  # brim
    ctx.rectangle(x - 22 * s, y - 150 * s, 44 * s, 28 * s)
    shape(ctx, NIGHT)
    ctx.rectangle(x - 22 * s, y - 132 * s, 44 * s, 6 * s)  # hat band
    shape(ctx, GOLD)
    line(ctx, [(x + 26 * s, y - 60 * s), (x + 52 * s, y - 86 * s)], GOLD, 6 * s)
    ring(ctx, (x + 60 * s, y - 96 * s), 16 * s, GOLD, 5 * s)


def killer(ctx, x, y, s):
    """A guest in evening dress with a knife behind the back."""
    person(ctx, x, y, s, 34)
    polygon(ctx, [(x - 6 * s, y - 88 * s), (x + 6 * s, y - 88 * s), (x, y - 78 * s)])  # shirt
    shape(ctx, WHITE)
    polygon(ctx, [(x + 20 * s, y - 40 * s), (x + 66 * s, y - 62 * s), (x + 70 * s, y - 56 * s), (x + 24 * s, y - 34 * s)])
    shape(ctx, rgb(214, 214, 224))  # blade
    ctx.rectangle(x + 14 * s, y - 42 * s, 12 * s, 12 * s)
    shape(ctx, RED)
    for eye in (-8, 8):
        ellipse(ctx, x + eye * s, y - 112 * s, 4 * s, 4 * s)
        shape(ctx, RED)


def role_card(ctx, centre_x, name, keys, colour, figure):
    panel(ctx, (centre_x, CARD_Y), (CARD_W, CARD_H), colour)
    cx, top = px(centre_x, CARD_Y + CARD_H / 2)
    text(ctx, (cx, top + 34), name, 40)
    figure(ctx, cx - 10, top + 185, 0.8)
    ring(ctx, px(*(DETECTIVE_SPOT if centre_x < 0 else KILLER_SPOT)), MARKER_SIZE / 2 + 6, GOLD_LIGHT)
    text(ctx, (cx, top + CARD_H + 24), keys, 22, GOLD_LIGHT)


def player_select():
    image, ctx = backdrop(PLUM_DARK, INK)
    title(ctx, "CHOOSE YOUR ROLES", 305, size=52)
    role_card(ctx, DETECTIVE_SPOT[0], "DETECTIVE", "A  or  Left  or  D-pad left", PLUM, detective)
    role_card(ctx, KILLER_SPOT[0], "KILLER", "D  or  Right  or  D-pad right", WINE, killer)
    for spot in HOME_SPOTS.values():
        ring(ctx, px(*spot), MARKER_SIZE / 2 + 6, GREY)
    text(ctx, px(0, HOME_SPOTS[1][1] + MARKER_SIZE / 2 + 34), "undecided", 24, GREY)
    text(ctx, px(-150, CARD_Y + 40), "<", 48, GOLD_LIGHT)
    text(ctx, px(150, CARD_Y + 40), ">", 48, GOLD_LIGHT)
    return image


def manor(ctx, cx, base):
    polygon(ctx, [(cx - 120, base), (cx + 120, base), (cx + 120, base - 120), (cx, base - 190), (cx - 120, base - 120)])
    ctx.rectangle(cx + 60, base - 200, 20, 60)  # chimney
    shape(ctx, NIGHT)
    for wx in (-100, -60, 40, 80):
        for wy in (-100, -50):
            ctx.rectangle(cx + wx, base + wy, 20, 28)
            shape(ctx, GOLD_LIGHT)
    ctx.rectangle(cx - 14, base - 44, 28, 44)
    shape(ctx, WINE)
    crow(ctx, cx - 20, base - 185, 9)


def mall(ctx, cx, base):
    ctx.rectangle(cx - 150, base - 130, 300, 130)
    shape(ctx, NIGHT)
    for i, colour in enumerate((RED, GOLD, TEAL, RED, GOLD)):
        ctx.rectangle(cx - 150 + i * 60, base - 130, 60, 30)
        shape(ctx, colour)
    for wx in (-130, -40, 50):
        ctx.rectangle(cx + wx, base - 84, 70, 64)
        shape(ctx, GLASS)


def carnival(ctx, cx, base):
    hub = (cx + 40, base - 190)
    for spoke in range(12):
        a = spoke * math.pi / 6
        line(ctx, [hub, (hub[0] + 110 * math.cos(a), hub[1] + 110 * math.sin(a))], GREY, 3)
    ring(ctx, hub, 110, GOLD, 5)
    for spoke in range(12):
        a = spoke * math.pi / 6 + 0.26
        ctx.rectangle(hub[0] + 110 * math.cos(a) - 9, hub[1] + 110 * math.sin(a) - 4, 18, 16)
        shape(ctx, (RED, TEAL)[spoke % 2])
    polygon(ctx, [(hub[0] - 60, base), (hub[0], hub[1]), (hub[0] + 60, base)])
    ctx.set_source_rgb(*GREY)
    ctx.set_line_width(6)
    ctx.stroke()
    polygon(ctx, [(cx - 150, base), (cx - 40, base), (cx - 95, base - 110)])
    shape(ctx, RED, GOLD)


def level_select():
    image, ctx = backdrop(PLUM_DARK, INK)
    title(ctx, "CHOOSE A LEVEL", 318, size=52)
    for group, (_, heading, kind, x) in enumerate(VENUES):
        hx, hy = px(x, LEVEL_TOP_Y[group] + 62)
        text(ctx, (hx, hy - 8), heading, 30)
        text(ctx, (hx, hy + 18), kind, 18, GOLD_LIGHT)
    manor(ctx, px(-400, 0)[0], px(0, -260)[1])
    mall(ctx, px(0, 0)[0], px(0, 120)[1])
    carnival(ctx, px(400, 0)[0], px(0, -70)[1])
    return image


def options_panel():
    x, y, w, h = OPTIONS_PANEL
    image = surface(w, h)
    ctx = context(image)
    rounded_rect(ctx, 2, 2, w - 4, h - 4, 26)
    shape(ctx, PANEL, GOLD, 4)
    text(ctx, (w / 2, 40), "OPTIONS", 40)
    for label, row in OPTIONS_ROWS.items():
        text(ctx, (130, h / 2 - (row - y)), label, 28, GOLD_LIGHT)
    return image


def marker(player):
    s = MARKER_SIZE
    image = surface(s, s)
    ctx = context(image)
    ellipse(ctx, s / 2, s / 2, s / 2 - 2, s / 2 - 2)
    shape(ctx, NIGHT)
    ellipse(ctx, s / 2, s / 2, s / 2 - 7, s / 2 - 7)
    shape(ctx, GOLD if player == 1 else TEAL)
    text(ctx, (s / 2, s / 2), "P%d" % player, 36, NIGHT, shadow=False)
    return image


# state -> face, rim, rim width, label colour
BUTTON_STATES = [("Default", PLUM, INK, 3, GOLD_LIGHT), ("Hover", PLUM_LIGHT, GOLD, 4, WHITE),
                 ("Select", GOLD, GOLD_LIGHT, 4, NIGHT)]


def button_labels():
    """(animation prefix, label) of every button on the sheet."""
    labels = [(name, name) for name in ("Play", "Options", "Quit", "Close", "Tutorial", "Back")]
    return labels + [(scene, label) for scene, label, _, _ in level_buttons()]


def button_face(label, face, rim, width, ink):
    def draw(ctx):
        rounded_rect(ctx, 2, 2, BUTTON_W - 4, BUTTON_H - 4, 14)
        shape(ctx, face, rim, width)
        text(ctx, (BUTTON_W / 2, BUTTON_H / 2), label, 28 if len(label) < 12 else 22, ink, shadow=False)
    return draw


def button_sheet():
    """Every button in its three looks, one single-frame animation each."""
    return render_sheet([Animation(prefix + state, BUTTON_W, BUTTON_H, [button_face(label, *look)])
                         for prefix, label in button_labels() for state, *look in BUTTON_STATES], max_width=800)


# name in the texture list -> (file name, drawing); whole images, no animations
PICTURES = {
    "splash_title": ("splash_title.png", splash_title),
    "splash_players": ("splash_players.png", splash_players),
    "frontend_mainmenu": ("mainmenu.png", main_menu),
    "frontend_playerselect": ("playerselect.png", player_select),
    "frontend_levelselect": ("levelselect.png", level_select),
    "frontend_options": ("options.png", options_panel),
    "marker_p1": ("marker_p1.png", lambda: marker(1)),
    "marker_p2": ("marker_p2.png", lambda: marker(2)),
}


def main():
    entries = []
    for name, (file_name, draw) in PICTURES.items():
        save_png(draw(), os.path.join(ROOT, FOLDER, file_name))
        entries.append(list_entry(name, "%s/%s" % (FOLDER, file_name), []))
    sheet, records = button_sheet()
    save_png(sheet, os.path.join(ROOT, FOLDER, "buttons.png"))
    entries.append(list_entry("frontend_buttons", FOLDER + "/buttons.png", records))
    replace_list_section(TEXTURE_LIST, "front end", entries)
    return 0


if __name__ == "__main__":
    sys.exit(main())
