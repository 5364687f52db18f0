#!/usr/bin/python3
"""Draws the game's own art with cairo (Debian's python3-cairo): the guests
and the Detective, the effects, the dishes, the rigged furniture, the alarm,
the Detective's meter, and the three venues' floors and decor. Writes the
PNGs under Resources/textures/game/ and rewrites this script's section of
Resources/texture.xml (between its two marker comments; other entries stay).

Run from anywhere after changing a drawing:
    /usr/bin/python3 tools/make_game_art.py
The output is deterministic (seeded randomness only).

Names the code relies on (one texture each, animations inside):
- "NPCMale1" (black tuxedo), "NPCMale2" (teal suit, grey flat cap),
  "NPCFemale1" (red dress): Idle, Walk, Run, Eat, Dance, Punch x Left, Up,
  Down, plus "Death" (play it without looping: it ends lying down).
- "Detective" (tan trench coat, brown fedora, badge, a light rim around the
  figure): Idle, Walk, Run, Arrest x Left, Up, Down, plus "Death".
  Character frames are 96 x 96 with the soles 5 px above the bottom edge:
  give their sprites the size 96 x 96 (the figures stand about 74 px tall).
- Effects: "Emote" (Happy, Dots, Food; 48 x 48), "Panic" (Panic; 40 x 48),
  "faint_efx" (Faint; 64 x 36), "explosion_efx" (Explode; 128 x 128),
  "Siren" (Siren: the police car with its flashing light, facing right;
  96 x 64), "Sparkle" (one 16 x 16 image).
- Dishes "Food_Buffet" (112 x 72), "Food_Punchbowl" (64 x 64), "Food_Cake"
  (64 x 72): Normal, Sabotaged, Interact, InteractSabotaged.
- Furniture "Jukebox" (64 x 96), "PoolTable" (128 x 80), "Piano" (112 x 96):
  the dish looks plus Broken.
- "AlarmBox" (48 x 56): Normal, Interacted, Cooldown.
- "Meter": Frame (100 x 16), Fill (white, 100 x 12), Arrow (16 x 18).
- Floors "Floor_Manor", "Floor_Mall", "Floor_Carnival" (1344 x 784: the room and its margin).
- Decor: see DECOR in art_venues.py for each venue's piece names.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from art_common import ROOT, list_entry, render_sheet, replace_list_section, save_png  # noqa: E402
from art_people import LOOKS, character_animations  # noqa: E402
from art_props import effect_textures, prop_textures  # noqa: E402
from art_venues import DECOR, FLOORS  # noqa: E402

OUT_FOLDER = "Resources/textures/game"
TEXTURE_LIST = os.path.join(ROOT, "Resources", "texture.xml")
OWNER = "make_game_art.py"


def all_sheets():
    """Texture name -> its animations, in the order the list shows them."""
    sheets = {name: character_animations(name) for name in LOOKS}
    sheets.update(effect_textures())
    sheets.update(prop_textures())
    sheets.update({name: make() for name, make in DECOR.items()})
    return sheets


def write_sheet(name, animations):
    image, records = render_sheet(animations)
    relative = "%s/%s.png" % (OUT_FOLDER, name)
    save_png(image, os.path.join(ROOT, relative))
    return list_entry(name, relative, records)


def write_floor(name, draw):
    image = draw()
    relative = "%s/%s.png" % (OUT_FOLDER, name)
    save_png(image, os.path.join(ROOT, relative))
    whole = [("Default", 1, (0, 0), (image.get_width(), image.get_height()))]
    return list_entry(name, relative, whole)


def main():
    entries = [write_sheet(name, animations) for name, animations in all_sheets().items()]
    entries += [write_floor(name, draw) for name, draw in FLOORS.items()]
    replace_list_section(TEXTURE_LIST, OWNER, entries)
    print("wrote %d textures under %s and their entries in Resources/texture.xml" % (len(entries), OUT_FOLDER))
    return 0


if __name__ == "__main__":
    sys.exit(main())

