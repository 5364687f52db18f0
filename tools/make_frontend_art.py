#!/usr/bin/python3
"""Draws the front end's pictures with Pillow: the two splash pages, the
backgrounds of the main menu, the player select and the level select, the
options panel, the players' role markers and one sheet of labelled menu
buttons. Writes them under Resources/textures/frontend/ and replaces the
front-end block of Resources/ui_textures.xml.

Run by hand from the repository root after changing a drawing:
    /usr/bin/python3 tools/make_frontend_art.py
then /usr/bin/python3 tools/make_frontend_scenes.py, which places the
objects on the positions given here. The output is deterministic.

Coordinates below are the game's: pixels from the window centre, y up.
The palette is the HUD's (tools/make_ui_art.py): dark plum panels with a
gold rim, gold text.
"""
import math
import os
import re
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDER = "Resources/textures/frontend"
FONT_PATH = os.path.join(ROOT, "Resources", "fonts", "TCCB.ttf")
TEXTURE_LIST = os.path.join(ROOT, "Resources", "ui_textures.xml")
BEGIN_MARK = "<!-- front end: written by tools/make_frontend_art.py -->"
END_MARK = "<!-- end of front end -->"

WIDTH, HEIGHT = 1280, 720

INK = (24, 16, 30)
NIGHT = (14, 10, 20)
PLUM_DARK = (40, 25, 48)
PLUM = (62, 38, 72)
PLUM_LIGHT = (104, 66, 118)
GOLD = (222, 161, 46)
GOLD_LIGHT = (250, 212, 120)
GREY = (110, 104, 116)
RED = (196, 40, 40)
WINE = (92, 22, 34)
TEAL = (64, 170, 176)
WHITE = (250, 246, 238)

# ---- Layout shared with the scene archetypes ----------------------------------

BUTTON_W, BUTTON_H = 260, 56
MAIN_BUTTONS = [("Play", 0, 60), ("Options", 0, -20), ("Quit", 0, -100)]
OPTIONS_PANEL = (0, -40, 600, 420)  # centre x, y, width, height
OPTIONS_ROWS = {"Music": 85, "Sound": 15, "Fullscreen": -60}
SLIDER_X, SLIDER_W, SLIDER_H = 90, 256, 32
SPEAKER_X = -80
TOGGLE_SIZE = 56
CLOSE_Y = -170
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


def font(size):
    return ImageFont.truetype(FONT_PATH, size)


def px(x, y):
    """Image pixel of a game position."""
    return WIDTH / 2 + x, HEIGHT / 2 - y


def backdrop(top, bottom):
    """A vertical gradient with a soft dark edge all round."""
    image = Image.new("RGB", (WIDTH, HEIGHT))
    draw = ImageDraw.Draw(image)
    for row in range(HEIGHT):
        t = row / (HEIGHT - 1)
        draw.line([(0, row), (WIDTH, row)], fill=tuple(int(a + (b - a) * t) for a, b in zip(top, bottom)))
    shade = Image.new("L", (WIDTH, HEIGHT), 0)
    ImageDraw.Draw(shade).rounded_rectangle([40, 30, WIDTH - 40, HEIGHT - 30], radius=120, fill=255)
    shade = shade.filter(ImageFilter.GaussianBlur(70))
    return Image.composite(image, Image.new("RGB", (WIDTH, HEIGHT), NIGHT), shade).convert("RGBA")


def text(draw, centre, words, size, fill=GOLD, shadow=True):
    """Words centred on an image point, with a dark drop shadow."""
    face = font(size)
    x, y = centre
    if shadow:
        draw.text((x + 3, y + 3), words, font=face, fill=NIGHT, anchor="mm")
    draw.text((x, y), words, font=face, fill=fill, anchor="mm")


def title(image, words, y, size=64, subtitle=None):
    draw = ImageDraw.Draw(image)
    text(draw, px(0, y), words, size)
    if subtitle:
        text(draw, px(0, y - size * 0.75), subtitle, 24, GOLD_LIGHT)
    # A thin gold rule under the title.
    x0, _ = px(-220, 0)
    x1, _ = px(220, 0)
    _, rule = px(0, y - size * 0.62 - (30 if subtitle else 0))
    draw.line([(x0, rule), (x1, rule)], fill=GOLD, width=2)


def panel(draw, centre, size, fill=PLUM_DARK, rim=GOLD, radius=22, width=4):
    x, y = px(*centre)
    w, h = size
    draw.rounded_rectangle([x - w / 2, y - h / 2, x + w / 2, y + h / 2], radius=radius, fill=fill, outline=rim,
                           width=width)


def crow(draw, x, y, scale, colour=NIGHT):
    """A perched crow facing left; (x, y) is the image point under its feet."""
    def p(u, v):
        return x + u * scale, y - v * scale
    body = [p(-1.0, 3.2), p(-0.2, 3.6), p(0.8, 3.3), p(2.6, 2.2), p(3.6, 1.6), p(2.2, 1.4), p(1.2, 0.9),
            p(0.2, 0.8), p(-0.6, 1.4), p(-1.0, 2.2)]
    draw.polygon(body, fill=colour)
    draw.ellipse([*p(-1.6, 4.2), *p(-0.2, 2.9)], fill=colour)
    draw.polygon([p(-1.5, 3.8), p(-2.5, 3.45), p(-1.45, 3.3)], fill=colour)  # beak
    draw.ellipse([*p(-1.15, 3.85), *p(-0.9, 3.6)], fill=GOLD)  # eye
    for foot in (-0.1, 0.5):
        draw.line([p(foot, 0.9), p(foot, 0.0)], fill=colour, width=max(2, int(scale * 0.2)))


def candle(draw, x, y, height):
    draw.rectangle([x - 5, y - height, x + 5, y], fill=(232, 220, 196))
    draw.ellipse([x - 6, y - height - 22, x + 6, y - height - 2], fill=GOLD_LIGHT)
    draw.ellipse([x - 3, y - height - 16, x + 3, y - height - 6], fill=WHITE)


# ---- Pictures -----------------------------------------------------------------------


def dinner_table(image):
    """The long candle-lit table along the bottom of the main menu."""
    glow = Image.new("RGBA", image.size, (0, 0, 0, 0))
    gdraw = ImageDraw.Draw(glow)
    for cx in (330, 640, 950):
        gdraw.ellipse([cx - 160, 430, cx + 160, 690], fill=(222, 161, 46, 60))
    image.alpha_composite(glow.filter(ImageFilter.GaussianBlur(40)))
    draw = ImageDraw.Draw(image)
    draw.rectangle([120, 600, 1160, 640], fill=WINE)
    draw.rectangle([120, 636, 1160, 650], fill=NIGHT)
    for leg in (160, 1120):
        draw.rectangle([leg - 8, 650, leg + 8, 720], fill=NIGHT)
    for cx in (330, 640, 950):
        draw.polygon([(cx - 30, 600), (cx + 30, 600), (cx + 8, 585), (cx - 8, 585)], fill=GOLD)
        candle(draw, cx, 585, 60)
    for plate in (220, 450, 530, 750, 830, 1060):
        draw.ellipse([plate - 34, 590, plate + 34, 606], fill=(200, 196, 206))
    crow(draw, 1080, 600, 16)


def main_menu():
    image = backdrop(PLUM_DARK, INK)
    dinner_table(image)
    title(image, "CORVIDALE", 235, size=96, subtitle="a murder at the dinner party")
    return image


def splash_title():
    image = backdrop(PLUM_DARK, NIGHT)
    draw = ImageDraw.Draw(image)
    crow(draw, 640, 300, 26)
    draw.line([(520, 300), (760, 300)], fill=GOLD, width=6)  # the branch
    text(draw, (640, 400), "CORVIDALE", 120)
    text(draw, (640, 480), "A killer is among the dinner guests.", 30, GOLD_LIGHT)
    text(draw, (640, 660), "Space, Enter or A to skip", 20, GREY, shadow=False)
    return image


def keyboard(draw, x, y):
    draw.rounded_rectangle([x - 150, y - 55, x + 150, y + 55], radius=10, fill=PLUM, outline=GOLD, width=3)
    for row in range(3):
        for col in range(10):
            kx, ky = x - 135 + col * 27 + row * 6, y - 42 + row * 27
            draw.rounded_rectangle([kx, ky, kx + 22, ky + 22], radius=4, fill=PLUM_LIGHT)
    draw.rounded_rectangle([x - 80, y + 39, x + 80, y + 50], radius=4, fill=PLUM_LIGHT)


def game_pad(draw, x, y, colour):
    draw.rounded_rectangle([x - 70, y - 35, x + 70, y + 30], radius=28, fill=colour, outline=GOLD, width=3)
    draw.ellipse([x - 78, y - 10, x - 28, y + 50], fill=colour, outline=GOLD, width=3)
    draw.ellipse([x + 28, y - 10, x + 78, y + 50], fill=colour, outline=GOLD, width=3)
    draw.rectangle([x - 40, y - 18, x - 34, y + 8], fill=NIGHT)
    draw.rectangle([x - 50, y - 8, x - 24, y - 2], fill=NIGHT)
    for bx, by in ((36, -14), (48, -2), (24, -2), (36, 10)):
        draw.ellipse([x + bx - 6, y + by - 6, x + bx + 6, y + by + 6], fill=GOLD_LIGHT)


def splash_players():
    image = backdrop(PLUM_DARK, NIGHT)
    draw = ImageDraw.Draw(image)
    text(draw, (640, 140), "A game for two players", 56)
    text(draw, (640, 200), "One is the Killer, hidden among the guests. One is the Detective.", 24, GOLD_LIGHT)
    keyboard(draw, 400, 370)
    text(draw, (400, 470), "one keyboard", 28)
    text(draw, (400, 505), "W A S D  and the arrow keys", 20, GOLD_LIGHT)
    text(draw, (640, 370), "or", 30, GREY)
    game_pad(draw, 820, 360, PLUM)
    game_pad(draw, 990, 380, PLUM_LIGHT)
    text(draw, (905, 470), "two game pads", 28)
    text(draw, (640, 660), "Space, Enter or A to skip", 20, GREY, shadow=False)
    return image


def detective(draw, x, y, s):
    """Hat, coat and magnifying glass; (x, y) is the image point under the feet."""
    draw.polygon([(x - 38 * s, y), (x + 38 * s, y), (x + 26 * s, y - 92 * s), (x - 26 * s, y - 92 * s)], fill=NIGHT)
    draw.ellipse([x - 20 * s, y - 128 * s, x + 20 * s, y - 88 * s], fill=NIGHT)
    draw.rectangle([x - 40 * s, y - 126 * s, x + 40 * s, y - 118 * s], fill=NIGHT)  # brim
    draw.rectangle([x - 22 * s, y - 150 * s, x + 22 * s, y - 122 * s], fill=NIGHT)
    draw.rectangle([x - 22 * s, y - 132 * s, x + 22 * s, y - 126 * s], fill=GOLD)  # hat band
    draw.line([(x + 26 * s, y - 60 * s), (x + 52 * s, y - 86 * s)], fill=GOLD, width=int(6 * s))
    draw.ellipse([x + 44 * s, y - 112 * s, x + 76 * s, y - 80 * s], outline=GOLD, width=int(5 * s))


def killer(draw, x, y, s):
    """A guest in evening dress with a knife behind the back."""
    draw.polygon([(x - 34 * s, y), (x + 34 * s, y), (x + 22 * s, y - 92 * s), (x - 22 * s, y - 92 * s)], fill=NIGHT)
    draw.ellipse([x - 19 * s, y - 128 * s, x + 19 * s, y - 90 * s], fill=NIGHT)
    draw.polygon([(x - 6 * s, y - 88 * s), (x + 6 * s, y - 88 * s), (x, y - 78 * s)], fill=WHITE)  # shirt
    draw.polygon([(x + 20 * s, y - 40 * s), (x + 66 * s, y - 62 * s), (x + 70 * s, y - 56 * s),
                  (x + 24 * s, y - 34 * s)], fill=(214, 214, 224))  # blade
    draw.rectangle([x + 14 * s, y - 42 * s, x + 26 * s, y - 30 * s], fill=RED)
    draw.ellipse([x - 12 * s, y - 116 * s, x - 4 * s, y - 108 * s], fill=RED)
    draw.ellipse([x + 4 * s, y - 116 * s, x + 12 * s, y - 108 * s], fill=RED)


def role_card(image, centre_x, name, keys, fill, figure):
    draw = ImageDraw.Draw(image)
    panel(draw, (centre_x, CARD_Y), (CARD_W, CARD_H), fill=fill)
    cx, top = px(centre_x, CARD_Y + CARD_H / 2)
    text(draw, (cx, top + 34), name, 40)
    figure(draw, cx - 10, top + 185, 0.8)
    spot_x, spot_y = px(*(DETECTIVE_SPOT if centre_x < 0 else KILLER_SPOT))
    r = MARKER_SIZE / 2 + 6
    draw.ellipse([spot_x - r, spot_y - r, spot_x + r, spot_y + r], outline=GOLD_LIGHT, width=3)
    text(draw, (cx, top + CARD_H + 24), keys, 22, GOLD_LIGHT)


def player_select():
    image = backdrop(PLUM_DARK, INK)
    title(image, "CHOOSE YOUR ROLES", 305, size=52)
    role_card(image, DETECTIVE_SPOT[0], "DETECTIVE", "A  or  Left  or  D-pad left", PLUM, detective)
    role_card(image, KILLER_SPOT[0], "KILLER", "D  or  Right  or  D-pad right", WINE, killer)
    draw = ImageDraw.Draw(image)
    for player, spot in HOME_SPOTS.items():
        x, y = px(*spot)
        r = MARKER_SIZE / 2 + 6
        draw.ellipse([x - r, y - r, x + r, y + r], outline=GREY, width=3)
    x, y = px(0, HOME_SPOTS[1][1] + MARKER_SIZE / 2 + 34)
    text(draw, (x, y), "undecided", 24, GREY)
    arrow_y = px(0, CARD_Y + 40)[1]
    text(draw, (px(-150, 0)[0], arrow_y), "<", 48, GOLD_LIGHT)
    text(draw, (px(150, 0)[0], arrow_y), ">", 48, GOLD_LIGHT)
    return image


def manor(draw, cx, base):
    draw.polygon([(cx - 120, base), (cx + 120, base), (cx + 120, base - 120), (cx, base - 190),
                  (cx - 120, base - 120)], fill=NIGHT)
    draw.rectangle([cx + 60, base - 200, cx + 80, base - 140], fill=NIGHT)  # chimney
    for wx in (-100, -60, 40, 80):
        for wy in (-100, -50):
            draw.rectangle([cx + wx, base + wy, cx + wx + 20, base + wy + 28], fill=GOLD_LIGHT)
    draw.rectangle([cx - 14, base - 44, cx + 14, base], fill=WINE)
    crow(draw, cx - 20, base - 185, 9)


def mall(draw, cx, base):
    draw.rectangle([cx - 150, base - 130, cx + 150, base], fill=NIGHT)
    for i, colour in enumerate((RED, GOLD, TEAL, RED, GOLD)):
        x0 = cx - 150 + i * 60
        draw.polygon([(x0, base - 130), (x0 + 60, base - 130), (x0 + 60, base - 100), (x0, base - 100)], fill=colour)
    for wx in (-130, -40, 50):
        draw.rectangle([cx + wx, base - 84, cx + wx + 70, base - 20], fill=(70, 120, 150))


def carnival(draw, cx, base):
    hub = (cx + 40, base - 190)
    for spoke in range(12):
        a = spoke * math.pi / 6
        draw.line([hub, (hub[0] + 110 * math.cos(a), hub[1] + 110 * math.sin(a))], fill=GREY, width=3)
    draw.ellipse([hub[0] - 110, hub[1] - 110, hub[0] + 110, hub[1] + 110], outline=GOLD, width=5)
    for spoke in range(12):
        a = spoke * math.pi / 6 + 0.26
        x, y = hub[0] + 110 * math.cos(a), hub[1] + 110 * math.sin(a)
        draw.rectangle([x - 9, y - 4, x + 9, y + 12], fill=(RED, TEAL)[spoke % 2])
    draw.polygon([(hub[0] - 60, base), (hub[0], hub[1]), (hub[0] + 60, base)], outline=GREY, width=6)
    draw.polygon([(cx - 150, base), (cx - 40, base), (cx - 95, base - 110)], fill=RED)
    draw.polygon([(cx - 150, base), (cx - 40, base), (cx - 95, base - 110)], outline=GOLD, width=3)


def level_select():
    image = backdrop(PLUM_DARK, INK)
    title(image, "CHOOSE A LEVEL", 318, size=52)
    draw = ImageDraw.Draw(image)
    for group, (_, heading, kind, x) in enumerate(VENUES):
        top = LEVEL_TOP_Y[group]
        hx, hy = px(x, top + 62)
        text(draw, (hx, hy - 8), heading, 30)
        text(draw, (hx, hy + 18), kind, 18, GOLD_LIGHT)
    manor(draw, px(-400, 0)[0], px(0, -260)[1])
    mall(draw, px(0, 0)[0], px(0, 120)[1])
    carnival(draw, px(400, 0)[0], px(0, -70)[1])
    return image


def options_panel():
    x, y, w, h = OPTIONS_PANEL
    image = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle([2, 2, w - 3, h - 3], radius=26, fill=(30, 20, 38, 255), outline=GOLD, width=4)
    text(draw, (w / 2, 46), "OPTIONS", 40)
    for label, row in OPTIONS_ROWS.items():
        text(draw, (130, h / 2 - (row - y)), label, 28, GOLD_LIGHT)
    return image


def marker(player):
    s = MARKER_SIZE
    image = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    fill, rim = (GOLD, NIGHT) if player == 1 else (TEAL, NIGHT)
    draw.ellipse([2, 2, s - 3, s - 3], fill=rim)
    draw.ellipse([7, 7, s - 8, s - 8], fill=fill)
    text(draw, (s / 2, s / 2), "P%d" % player, 36, NIGHT, shadow=False)
    return image


BUTTON_STATES = [("Default", PLUM, INK, 3, GOLD_LIGHT), ("Hover", PLUM_LIGHT, GOLD, 4, WHITE),
                 ("Select", GOLD, GOLD_LIGHT, 4, NIGHT)]


def button_labels():
    """(animation prefix, label) of every button on the sheet."""
    labels = [("Play", "Play"), ("Options", "Options"), ("Quit", "Quit"), ("Close", "Close"),
              ("Tutorial", "Tutorial"), ("Back", "Back")]
    return labels + [(scene, label) for scene, label, _, _ in level_buttons()]


def button_sheet():
    """One row per label, one column per state."""
    labels = button_labels()
    sheet = Image.new("RGBA", (BUTTON_W * len(BUTTON_STATES), BUTTON_H * len(labels)), (0, 0, 0, 0))
    draw = ImageDraw.Draw(sheet)
    for row, (_, label) in enumerate(labels):
        for col, (_, face, rim, width, ink) in enumerate(BUTTON_STATES):
            x0, y0 = col * BUTTON_W, row * BUTTON_H
            draw.rounded_rectangle([x0 + 1, y0 + 1, x0 + BUTTON_W - 2, y0 + BUTTON_H - 2], radius=14, fill=face,
                                   outline=rim, width=width)
            size = 28 if len(label) < 12 else 20
            draw.text((x0 + BUTTON_W / 2, y0 + BUTTON_H / 2), label, font=font(size), fill=ink, anchor="mm")
    return sheet


def sheet_entry(name, file_name):
    lines = ["  <%s>" % name, '    <filepath string="%s/%s" />' % (FOLDER, file_name)]
    labels = button_labels()
    for row, (prefix, _) in enumerate(labels):
        # Frame rows are counted from the bottom of the image.
        bottom_row = len(labels) - 1 - row
        for col, (state, *_) in enumerate(BUTTON_STATES):
            animation = prefix + state
            lines.append('    <%s><numofFrames unsigned="1" /><TOP Vec2="%d,%d" /><BOT Vec2="%d,%d" /></%s>'
                         % (animation, col * BUTTON_W, bottom_row * BUTTON_H, (col + 1) * BUTTON_W,
                            (bottom_row + 1) * BUTTON_H, animation))
    lines.append("  </%s>" % name)
    return "\n".join(lines)


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
BUTTON_SHEET = ("frontend_buttons", "buttons.png")


def write_texture_list(entries):
    """Puts the entries between the front-end marks, before the list's end."""
    with open(TEXTURE_LIST) as file:
        content = file.read()
    block = "  %s\n%s\n  %s\n" % (BEGIN_MARK, "\n".join(entries), END_MARK)
    pattern = re.compile(r"  " + re.escape(BEGIN_MARK) + r".*?" + re.escape(END_MARK) + r"\n", re.S)
    if pattern.search(content):
        content = pattern.sub(lambda _: block, content)
    else:
        content = content.replace("</TEXTURELIST>", block + "</TEXTURELIST>")
    with open(TEXTURE_LIST, "w") as file:
        file.write(content)


def main():
    folder = os.path.join(ROOT, FOLDER)
    os.makedirs(folder, exist_ok=True)
    entries = []
    for name, (file_name, draw) in PICTURES.items():
        draw().save(os.path.join(folder, file_name), optimize=True)
        entries.append('  <%s>\n    <filepath string="%s/%s" />\n  </%s>' % (name, FOLDER, file_name, name))
    name, file_name = BUTTON_SHEET
    button_sheet().save(os.path.join(folder, file_name), optimize=True)
    entries.append(sheet_entry(name, file_name))
    write_texture_list(entries)
    return 0


if __name__ == "__main__":
    sys.exit(main())
