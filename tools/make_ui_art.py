#!/usr/bin/python3
"""Draws the menu and HUD textures (buttons, toggles, slider, knob, panel,
cursor, HUD icons) as PNG files under Resources/textures/ui/ and prints the
matching entries of Resources/ui_textures.xml.

Run by hand from the repository root after changing a drawing:
    /usr/bin/python3 tools/make_ui_art.py
Each texture is one row of equally sized frames; every frame is one named
animation of one frame, so a sprite shows a state by playing its name.
The output is deterministic.

State names for button archetypes: push buttons use "Default", "Hover" and
"Select" of ui_button; toggles "Off" and "On" of ui_toggle (the hover looks
add "Hover"); sliders "Track" with the hover state "Muted" of ui_slider,
and their knob images "KnobDefault" (or "SpeakerDefault") of ui_knob.
"""
import os
import sys

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_art import ROOT, write_png  # noqa: E402  (the shared PNG writer)

UI_TEXTURES = os.path.join(ROOT, "Resources", "textures", "ui")
RELATIVE_FOLDER = "Resources/textures/ui"

# The palette: dark plum panels, warm gold highlights (the UI text colour).
INK = (24, 16, 30, 255)
PLUM = (62, 38, 72, 255)
PLUM_LIGHT = (104, 66, 118, 255)
GOLD = (222, 161, 46, 255)
GOLD_LIGHT = (250, 212, 120, 255)
GREY = (110, 104, 116, 255)
GREY_DARK = (70, 66, 76, 255)
RED = (196, 40, 40, 255)
WHITE = (250, 246, 238, 255)
CLEAR = (0, 0, 0, 0)


# ---- Shapes -------------------------------------------------------------------------

def canvas(width, height, rgba=CLEAR):
    image = np.zeros((height, width, 4), dtype=np.uint8)
    image[:, :] = rgba
    return image


def grid(width, height):
    """Pixel-centre coordinates, x to the right and y downwards."""
    ys, xs = np.mgrid[0:height, 0:width]
    return xs + 0.5, ys + 0.5


def rounded_mask(width, height, radius, inset=0.0):
    """Inside of a rounded rectangle filling the image, shrunk by inset."""
    x, y = grid(width, height)
    left, top = inset, inset
    right, bottom = width - inset, height - inset
    r = max(radius - inset, 0.0)
    cx = np.clip(x, left + r, right - r)
    cy = np.clip(y, top + r, bottom - r)
    inside_box = (x >= left) & (x <= right) & (y >= top) & (y <= bottom)
    return inside_box & ((x - cx) ** 2 + (y - cy) ** 2 <= r * r + 1e-6)


def disc_mask(width, height, cx, cy, radius):
    x, y = grid(width, height)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def polygon_mask(width, height, points):
    """Inside of a convex or simple polygon (even-odd rule)."""
    x, y = grid(width, height)
    inside = np.zeros((height, width), dtype=bool)
    count = len(points)
    for i in range(count):
        x0, y0 = points[i]
        x1, y1 = points[(i + 1) % count]
        crosses = (y0 > y) != (y1 > y)
        with np.errstate(divide="ignore", invalid="ignore"):
            at = x0 + (y - y0) * (x1 - x0) / (y1 - y0)
        inside ^= crosses & (x < at)
    return inside


def paint(image, mask, rgba):
    image[mask] = rgba


def framed_box(width, height, radius, border, fill, edge):
    """A rounded box with a border of the given width."""
    image = canvas(width, height)
    paint(image, rounded_mask(width, height, radius), edge)
    paint(image, rounded_mask(width, height, radius, inset=border), fill)
    return image


def strip(frames):
    """Frames side by side, left to right."""
    return np.concatenate(frames, axis=1)


# ---- Drawings ------------------------------------------------------------------------

BUTTON_W, BUTTON_H = 192, 64


def button_frames():
    """Push button: "Default", "Hover" (gold rim) and "Select" (gold face)."""
    default = framed_box(BUTTON_W, BUTTON_H, 14, 3, PLUM, INK)
    hover = framed_box(BUTTON_W, BUTTON_H, 14, 4, PLUM_LIGHT, GOLD)
    select = framed_box(BUTTON_W, BUTTON_H, 14, 4, GOLD, GOLD_LIGHT)
    return [("Default", default), ("Hover", hover), ("Select", select)]


TOGGLE_SIZE = 64


def check_mark(image, colour):
    s = TOGGLE_SIZE
    points = [(0.22 * s, 0.50 * s), (0.32 * s, 0.40 * s), (0.44 * s, 0.54 * s),
              (0.70 * s, 0.24 * s), (0.80 * s, 0.34 * s), (0.44 * s, 0.74 * s)]
    paint(image, polygon_mask(s, s, points), colour)


def toggle_frames():
    """Check box: "Off", "On", and their "Hover" variants."""
    frames = []
    for state, checked in (("Off", False), ("On", True)):
        for hover in (False, True):
            edge = GOLD if hover else INK
            fill = PLUM_LIGHT if hover else PLUM
            box = framed_box(TOGGLE_SIZE, TOGGLE_SIZE, 12, 4, fill, edge)
            if checked:
                check_mark(box, GOLD_LIGHT)
            frames.append((state + ("Hover" if hover else ""), box))
    return frames


SLIDER_W, SLIDER_H = 256, 32


def slider_frames():
    """Slider track: "Track" and the greyed "TrackMuted"."""
    frames = []
    for name, fill in (("Track", GOLD), ("TrackMuted", GREY)):
        image = canvas(SLIDER_W, SLIDER_H)
        groove = framed_box(SLIDER_W, 14, 7, 2, fill, INK)
        top = (SLIDER_H - 14) // 2
        image[top:top + 14] = groove
        frames.append((name, image))
    return frames


KNOB_SIZE = 48


def knob(fill, rim):
    image = canvas(KNOB_SIZE, KNOB_SIZE)
    centre = KNOB_SIZE / 2
    paint(image, disc_mask(KNOB_SIZE, KNOB_SIZE, centre, centre, 20), rim)
    paint(image, disc_mask(KNOB_SIZE, KNOB_SIZE, centre, centre, 16), fill)
    paint(image, disc_mask(KNOB_SIZE, KNOB_SIZE, centre - 5, centre - 5, 5), WHITE)
    return image


def speaker(colour, muted):
    s = KNOB_SIZE
    image = canvas(s, s)
    body = [(6, 18), (16, 18), (28, 8), (28, 40), (16, 30), (6, 30)]
    paint(image, polygon_mask(s, s, body), colour)
    x, y = grid(s, s)
    if muted:
        cross = (np.abs((x - 38) - (y - 24)) < 2.5) | (np.abs((x - 38) + (y - 24)) < 2.5)
        paint(image, cross & (np.abs(x - 38) < 7) & (np.abs(y - 24) < 7), RED)
    else:
        distance = np.sqrt((x - 28) ** 2 + (y - 24) ** 2)
        for radius in (9, 16):
            paint(image, (np.abs(distance - radius) < 1.8) & (x > 30), colour)
    return image


def knob_frames():
    """Slider knob and volume icon, each with a "Default" and a "Muted" look."""
    return [("KnobDefault", knob(GOLD, INK)), ("KnobMuted", knob(GREY, GREY_DARK)),
            ("SpeakerDefault", speaker(GOLD, False)), ("SpeakerMuted", speaker(GREY, True))]


def panel_frames():
    """Text and menu backdrop: dark, slightly see-through, gold rim."""
    panel = framed_box(96, 96, 16, 3, (30, 20, 38, 224), GOLD)
    return [("Default", panel)]


CURSOR_SIZE = 48


def cursor_frames():
    """Arrow whose tip is the image centre, where the sprite sits."""
    c = CURSOR_SIZE / 2
    outline = [(c - 1, c - 2), (c + 17, c + 13), (c + 9, c + 14), (c + 14, c + 23),
               (c + 10, c + 25), (c + 5, c + 16), (c - 1, c + 21)]
    inner = [(c + 1, c + 2), (c + 13, c + 12), (c + 6, c + 12), (c + 11, c + 21),
             (c + 9, c + 22), (c + 4, c + 13), (c + 1, c + 17)]
    image = canvas(CURSOR_SIZE, CURSOR_SIZE)
    paint(image, polygon_mask(CURSOR_SIZE, CURSOR_SIZE, outline), INK)
    paint(image, polygon_mask(CURSOR_SIZE, CURSOR_SIZE, inner), GOLD_LIGHT)
    return [("Default", image)]


ICON_SIZE = 48


def strike_icon(fill, rim, tilt):
    s = ICON_SIZE
    image = canvas(s, s)
    c = s / 2
    paint(image, disc_mask(s, s, c, c, 21), rim)
    paint(image, disc_mask(s, s, c, c, 17), fill)
    x, y = grid(s, s)
    # A bold exclamation mark, leaning by tilt pixels for the shaking look.
    lean = (c - y) / s * tilt
    paint(image, (np.abs(x - c - lean) < 3.5) & (y > 11) & (y < 29), WHITE)
    paint(image, disc_mask(s, s, c, 35, 3.5), WHITE)
    return image


def strike_frames():
    """HUD icons of the tracked-value display: "Active", "Inactive", and a
    two-frame "Shake" played while the next strike threatens."""
    return [("Active", strike_icon(RED, INK, 0)), ("Inactive", strike_icon(GREY_DARK, GREY, 0)),
            ("Shake", strike_icon(GOLD, RED, 6)), ("Shake2", strike_icon(GOLD, RED, -6))]


# name in the texture list -> (file name, drawing)
TEXTURES = {
    "ui_button": ("button.png", button_frames),
    "ui_toggle": ("toggle.png", toggle_frames),
    "ui_slider": ("slider.png", slider_frames),
    "ui_knob": ("knob.png", knob_frames),
    "ui_panel": ("panel.png", panel_frames),
    "ui_cursor": ("cursor.png", cursor_frames),
    "ui_strike": ("strike.png", strike_frames),
}

# Animations that run over several neighbouring frames: name -> frame names.
MULTI_FRAME = {"Shake": ["Shake", "Shake2"]}


def animations(frames):
    """(name, first frame index, frame count) for every animation."""
    names = [name for name, _ in frames]
    result = []
    for index, name in enumerate(names):
        if name in MULTI_FRAME:
            result.append((name, index, len(MULTI_FRAME[name])))
        elif not any(name in group[1:] for group in MULTI_FRAME.values()):
            result.append((name, index, 1))
    return result


def list_entry(name, file_name, frames):
    width = frames[0][1].shape[1]
    height = frames[0][1].shape[0]
    lines = ["  <%s>" % name, '    <filepath string="%s/%s" />' % (RELATIVE_FOLDER, file_name)]
    for animation, first, count in animations(frames):
        lines.append('    <%s><numofFrames unsigned="%d" /><TOP Vec2="%d,0" /><BOT Vec2="%d,%d" /></%s>'
                     % (animation, count, first * width, (first + count) * width, height, animation))
    lines.append("  </%s>" % name)
    return "\n".join(lines)


def main():
    entries = []
    for name, (file_name, draw) in TEXTURES.items():
        frames = draw()
        write_png(os.path.join(UI_TEXTURES, file_name), strip([image for _, image in frames]))
        entries.append(list_entry(name, file_name, frames))
    print("\n".join(entries))
    return 0


if __name__ == "__main__":
    sys.exit(main())
