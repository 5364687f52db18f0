#!/usr/bin/python3
"""Draws the match's own screen textures with Pillow: the HUD bar along the
top edge and the large panel behind the pause menu and the winner panels.
Both are drawn at the size they are shown, so their corners stay round.

Run from the repository root after changing a drawing:
    /usr/bin/python3 tools/make_match_art.py
It writes the PNG files under Resources/textures/ui/ and prints the entries
of Resources/ui_textures.xml that name them ("ui_hudbar", "ui_matchpanel").
"""
import os

from PIL import Image, ImageDraw

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDER = "Resources/textures/ui"

# The menus' palette: dark plum behind warm gold (the UI text colour).
PLUM = (30, 20, 38, 230)
GOLD = (222, 161, 46, 255)


def hud_bar(width=1344, height=68):
    image = Image.new("RGBA", (width, height), PLUM)
    draw = ImageDraw.Draw(image)
    draw.rectangle([0, height - 4, width, height], fill=GOLD)
    return image


def panel(width=800, height=420, radius=24, border=5):
    image = Image.new("RGBA", (width, height), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle([0, 0, width - 1, height - 1], radius, fill=GOLD)
    draw.rounded_rectangle([border, border, width - 1 - border, height - 1 - border], radius - border, fill=PLUM)
    return image


def entry(name, file_name, image, animation):
    width, height = image.size
    return ('  <%s>\n    <filepath string="%s/%s" />\n'
            '    <%s><numofFrames unsigned="1" /><TOP Vec2="0,0" /><BOT Vec2="%d,%d" /></%s>\n  </%s>'
            % (name, FOLDER, file_name, animation, width, height, animation, name))


def main():
    textures = [("ui_hudbar", "hud_bar.png", hud_bar(), "Default"),
                ("ui_matchpanel", "match_panel.png", panel(), "Default")]
    for name, file_name, image, animation in textures:
        image.save(os.path.join(ROOT, FOLDER, file_name))
        print(entry(name, file_name, image, animation))


if __name__ == "__main__":
    main()
