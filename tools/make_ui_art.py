#!/usr/bin/python3
"""Draws the menu and HUD textures (buttons, toggles, slider, knob, panel,
cursor, HUD icons) with cairo (Debian's python3-cairo) as PNG files under
Resources/textures/ui/ and prints the matching entries of
Resources/ui_textures.xml.

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
import math
import os
import sys

import cairo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from art_common import ROOT, context, polygon, rounded_rect, save_png, surface  # noqa: E402

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


# ---- Shapes -------------------------------------------------------------------------

def use(ctx, rgba):
    ctx.set_source_rgba(*(c / 255.0 for c in rgba))


def framed_box(width, height, radius, border, fill, edge):
    """A rounded box with a border of the given width."""
    image = surface(width, height)
    ctx = context(image)
    rounded_rect(ctx, 0, 0, width, height, radius)
    use(ctx, edge)
    ctx.fill()
    # The face replaces the rim under it, so a see-through face stays see-through.
    ctx.set_operator(cairo.OPERATOR_SOURCE)
    rounded_rect(ctx, border, border, width - 2 * border, height - 2 * border, max(radius - border, 0))
    use(ctx, fill)
    ctx.fill()
    return image


def disc(ctx, cx, cy, radius, rgba):
    ctx.arc(cx, cy, radius, 0, 2 * math.pi)
    use(ctx, rgba)
    ctx.fill()


def fill_polygon(ctx, points, rgba):
    polygon(ctx, points)
    use(ctx, rgba)
    ctx.fill()


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
    fill_polygon(context(image), points, colour)


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
        image = surface(SLIDER_W, SLIDER_H)
        ctx = context(image)
        top = (SLIDER_H - 14) // 2
        ctx.set_source_surface(framed_box(SLIDER_W, 14, 7, 2, fill, INK), 0, top)
        ctx.paint()
        frames.append((name, image))
    return frames


KNOB_SIZE = 48


def knob(fill, rim):
    image = surface(KNOB_SIZE, KNOB_SIZE)
    ctx = context(image)
    centre = KNOB_SIZE / 2
    disc(ctx, centre, centre, 20, rim)
    disc(ctx, centre, centre, 16, fill)
    disc(ctx, centre - 5, centre - 5, 5, WHITE)
    return image


def speaker(colour, muted):
    s = KNOB_SIZE
    image = surface(s, s)
    ctx = context(image)
    fill_polygon(ctx, [(6, 18), (16, 18), (28, 8), (28, 40), (16, 30), (6, 30)], colour)
    use(ctx, RED if muted else colour)
    if muted:
        ctx.set_line_width(5)
        ctx.set_line_cap(cairo.LINE_CAP_BUTT)
        for dx, dy in ((1, 1), (1, -1)):
            ctx.move_to(38 - 6 * dx, 24 - 6 * dy)
            ctx.line_to(38 + 6 * dx, 24 + 6 * dy)
            ctx.stroke()
    else:
        ctx.set_line_width(3.6)
        ctx.set_line_cap(cairo.LINE_CAP_BUTT)
        for radius in (9, 16):
            ctx.arc(28, 24, radius, -math.pi / 2.6, math.pi / 2.6)
            ctx.stroke()
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
    image = surface(CURSOR_SIZE, CURSOR_SIZE)
    ctx = context(image)
    fill_polygon(ctx, outline, INK)
    fill_polygon(ctx, inner, GOLD_LIGHT)
    return [("Default", image)]


ICON_SIZE = 48


def strike_icon(fill, rim, tilt):
    s = ICON_SIZE
    image = surface(s, s)
    ctx = context(image)
    c = s / 2
    disc(ctx, c, c, 21, rim)
    disc(ctx, c, c, 17, fill)
    # A bold exclamation mark, leaning by tilt pixels for the shaking look.
    lean = tilt * (c - 11) / s
    fill_polygon(ctx, [(c - 3.5 + lean, 11), (c + 3.5 + lean, 11), (c + 3.5 + lean * (c - 29) / (c - 11), 29),
                       (c - 3.5 + lean * (c - 29) / (c - 11), 29)], WHITE)
    disc(ctx, c, 35, 3.5, WHITE)
    return image


def strike_frames():
    """HUD icons of the tracked-value display: "Active", "Inactive", and a
    two-frame "Shake" played while the next strike threatens."""
    return [("Active", strike_icon(RED, INK, 0)), ("Inactive", strike_icon(GREY_DARK, GREY, 0)),
            ("Shake", strike_icon(GOLD, RED, 6)), ("Shake2", strike_icon(GOLD, RED, -6))]


def strip(frames):
    """Frames side by side, left to right."""
    width = sum(image.get_width() for image in frames)
    image = surface(width, frames[0].get_height())
    ctx = context(image)
    x = 0
    for frame in frames:
        ctx.set_source_surface(frame, x, 0)
        ctx.paint()
        x += frame.get_width()
    return image


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
    width = frames[0][1].get_width()
    height = frames[0][1].get_height()
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
        save_png(strip([image for _, image in frames]), os.path.join(UI_TEXTURES, file_name))
        entries.append(list_entry(name, file_name, frames))
    print("\n".join(entries))
    return 0


if __name__ == "__main__":
    sys.exit(main())
