#!/usr/bin/env python3
"""Write a match level: its placed objects, its panic settings and its index.

A level folder (Resources/<level>/) holds one archetype file per placed
object (the floor, decor, props, guests, the two players and the
Detective's entrance), each copied from a shared archetype in
Resources/archetypes/ with its own name and position, plus
"panic_info.xml". The index lists the placed objects first (the first
guest is the one the opening forces to its death), then the shared screen
objects and effect templates as "../archetypes/NAME.xml".

  /usr/bin/python3 tools/make_level.py level1_1      # one level
  /usr/bin/python3 tools/make_level.py --all         # every level below

A new level is one more entry in LEVELS.
"""
import argparse
import os
import re
import subprocess
import sys

import level_layouts

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RESOURCES = os.path.join(ROOT, "Resources")
SHARED = os.path.join(RESOURCES, "archetypes")

# Shared objects every match lists after its own, in drawing-relevant order:
# effect templates and meter, then the HUD, the outro's black screen, the
# winner panels and the pause panel (backdrops before their buttons).
SHARED_ENTRIES = [
    "Siren", "explosion_efx", "Panic", "Emote", "faint_efx",
    "ReloadFrame", "ReloadFill_Red", "ReloadFill_Yellow", "ReloadFill_Green", "ReloadArrow",
    "HudBar", "HudKills", "HudKillTarget", "HudStrikes", "UIDetectiveHUD",
    "BlackScreen", "DWinPanel", "KWinPanel",
    "PauseBackdrop", "PauseButtons", "PauseCaptions",
    "PauseOptionsBackdrop", "PauseOptionsButtons", "SoundVolumeKnob", "MusicVolumeKnob", "PauseOptionsCaptions",
]

# Panic settings of a level: the defaults of the panic system.
DEFAULT_PANIC = {"enabled": True, "panicPerSecond": 1.0, "panicThresholdPerStrike": 10, "panicStrikeChances": 10}

# A placed object: (file and object name, shared archetype it copies, x, y).
# Decor is ("Decor", animation, x, y) and draws the venue's decor texture.
LEVELS = {
    # The manor's dining hall: the cake in the top-left corner, the buffet,
    # the jukebox and the punch bowl along the top, the alarm on the right
    # wall; the Detective walks down the left wall into the bottom-left corner.
    "level1_1": {
        "venue": "Manor",
        "panic": {"panicStrikeChances": 14, "panicThresholdPerStrike": 40},
        "objects": [
            ("Decor", "Plant", 600, 230),
            ("Decor", "Plant", 600, -300),
            ("Decor", "Candelabra", -380, 215),
            ("Decor", "Candelabra", 250, 215),
            ("Decor", "Chair", -120, 120),
            ("Decor", "Chair", 420, 110),
            ("Food_Cake", "Food_Cake", -560, 195, {"PoisonedChargesMax": "1"}),
            ("Food_Buffet", "Food_Buffet", -200, 180, {"PoisonedChargesMax": "1"}),
            ("Jukebox", "Jukebox", 90, 190, {"explosion_radius": "110"}),
            ("Food_Punchbowl", "Food_Punchbowl", 390, 175, {"PoisonedChargesMax": "1"}),
            ("AlarmBox", "AlarmBox", 590, -80),
            # The first guest is the one the opening sends to its death; the
            # buffet is the dish nearest to it and to the Killer's place.
            ("NPC_1", "Guest_NPCMale1", -200, 30),
            ("NPC_2", "Guest_NPCFemale1", -420, 60),
            ("NPC_3", "Guest_NPCMale2", -300, -130),
            ("NPC_4", "Guest_NPCFemale1", -60, 60),
            ("NPC_5", "Guest_NPCMale1", 200, -60),
            ("NPC_6", "Guest_NPCMale2", 380, -200),
            ("NPC_7", "Guest_NPCFemale1", 120, 60),
            ("NPC_8", "Guest_NPCMale1", 300, 40),
            ("NPC_9", "Guest_NPCMale2", -120, -200),
            ("NPC_10", "Guest_NPCFemale1", 100, -220),
            ("NPC_11", "Guest_NPCMale1", 460, -40),
            ("NPC_12", "Guest_NPCFemale1", -450, -220),
            ("Player2", "Killer", -230, -40),
            ("Player1", "Detective", -600, -120),
            ("DetectiveStart", "DetectiveStart", -600, -120),
        ],
    },
}

DECOR_SIZES = {
    "Manor": {"Table": (136, 104), "Chair": (40, 60), "Plant": (56, 84), "Pillar": (48, 136), "Clock": (44, 120),
              "Painting": (88, 64), "Candelabra": (40, 88), "Rug": (160, 72)},
}

# The later levels' layouts live in tools/level_layouts.py.
LEVELS.update(level_layouts.LEVELS)
DECOR_SIZES.update(level_layouts.DECOR_SIZES)


def read(path):
    with open(path) as f:
        return f.read()


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(text)


def placed(base, name, x, y, fields=None):
    """The shared archetype base with its own name and position, and its own
    values for the typed fields named in `fields` (key -> value text)."""
    text = read(os.path.join(SHARED, base + ".xml"))
    text = re.sub(r'<Name string="[^"]*"/>', '<Name string="%s"/>' % name, text, count=1)
    text = re.sub(r'(<Transform><position Vec3=")[^"]*(")', r"\g<1>%g,%g,0\2" % (x, y), text, count=1)
    text = re.sub(r'(<mPosition Vec3=")[^"]*(")', r"\g<1>%g,%g,0\2" % (x, y), text, count=1)
    for key, value in (fields or {}).items():
        text, found = re.subn(r'(<%s \w+=")[^"]*(")' % key, r"\g<1>%s\2" % value, text, count=1)
        if not found:
            sys.exit("Error: %s has no field %s to set" % (base, key))
    return text


def decor(venue, animation, x, y):
    width, height = DECOR_SIZES[venue][animation]
    # The rug lies on the floor; everything else stands in the sorted layer.
    layer = 0 if animation == "Rug" else 1
    return ('<?xml version="1.0" ?>\n<Archetype>\n  <Enabled bool="true"/>\n  <Name string="Decor_%s"/>\n'
            '  <Tag string="decor"/>\n'
            '  <Transform><position Vec3="%g,%g,0"/><scale Vec3="1,1,1"/><rotation float="0"/></Transform>\n'
            '  <Sprite>\n    <position Vec2="0,0"/>\n    <size Vec2="%d,%d"/>\n    <color Vec4="1,1,1,1"/>\n'
            '    <layer unsigned="%d"/>\n    <textureID string="Decor_%s"/>\n    <currentAnimSet string="%s"/>\n'
            '  </Sprite>\n%s</Archetype>\n') % (animation, x, y, width, height, layer, venue, animation,
                                                decor_box(venue, animation, x, y))


def decor_box(venue, animation, x, y):
    """A static box for decor that stands in the way, so people walk round it."""
    half = level_layouts.BLOCKING.get(venue, {}).get(animation)
    if not half:
        return ""
    return ('  <Body>\n    <mPosition Vec3="%g,%g,0"/>\n    <mAcceleration Vec3="0,0,0"/>\n    <Mass float="1"/>\n'
            '    <InvMass float="1"/>\n    <Restitution float="0"/>\n    <Friction float="1"/>\n'
            '    <mUseGravity bool="false"/>\n    <mIsStatic bool="true"/>\n    <layer_id unsigned="1"/>\n  </Body>\n'
            '  <AABB>\n    <mCenter Vec3="0,0,0"/>\n    <mRadiusX float="%d"/>\n    <mRadiusY float="%d"/>\n  </AABB>\n'
            ) % (x, y, half[0], half[1])


# The floor images: the 1280 x 720 room the grid lies on and a 32-px margin
# all round (tools/art_venues.py), for the match's slightly wider view.
FLOOR_SIZE = (1280 + 2 * 32, 720 + 2 * 32)


def floor(venue):
    return ('<?xml version="1.0" ?>\n<Archetype>\n  <Enabled bool="true"/>\n  <Name string="Floor"/>\n'
            '  <Tag string="decor"/>\n'
            '  <Transform><position Vec3="0,0,0"/><scale Vec3="1,1,1"/><rotation float="0"/></Transform>\n'
            '  <Sprite>\n    <position Vec2="0,0"/>\n    <size Vec2="%d,%d"/>\n    <color Vec4="1,1,1,1"/>\n'
            '    <layer unsigned="0"/>\n    <textureID string="Floor_%s"/>\n  </Sprite>\n</Archetype>\n') % (
        FLOOR_SIZE + (venue,))


def panic_info(overrides):
    settings = dict(DEFAULT_PANIC, **overrides)
    return ('<?xml version="1.0" ?>\n<PanicInfo>\n  <enabled bool="%s"/>\n  <panicPerSecond float="%g"/>\n'
            '  <panicThresholdPerStrike int="%d"/>\n  <panicStrikeChances int="%d"/>\n</PanicInfo>\n') % (
        "true" if settings["enabled"] else "false", settings["panicPerSecond"], settings["panicThresholdPerStrike"],
        settings["panicStrikeChances"])


def make_level(level):
    layout = LEVELS[level]
    folder = os.path.join(RESOURCES, level)
    for old in os.listdir(folder) if os.path.isdir(folder) else []:
        if old.endswith(".xml"):
            os.remove(os.path.join(folder, old))
    venue = layout["venue"]
    entries = ["Floor.xml"]
    write(os.path.join(folder, "Floor.xml"), floor(venue))
    for count, (name, base, x, y, *fields) in enumerate(layout["objects"]):
        if name == "Decor":
            file_name = "Decor_%d_%s.xml" % (count, base)
            write(os.path.join(folder, file_name), decor(venue, base, x, y))
        else:
            file_name = name + ".xml"
            write(os.path.join(folder, file_name), placed(base, name, x, y, *fields))
        entries.append(file_name)
    write(os.path.join(folder, "panic_info.xml"), panic_info(layout.get("panic", {})))
    entries += ["../archetypes/%s.xml" % name for name in SHARED_ENTRIES]
    missing = [e for e in entries if not os.path.exists(os.path.join(folder, e))]
    if missing:
        sys.exit("Error: %s lists files that do not exist: %s" % (level, ", ".join(missing)))
    index = os.path.join(folder, level + ".scene")
    subprocess.run([sys.executable, os.path.join(ROOT, "tools", "sceneindex.py"), "write", index] + entries,
                   check=True)
    print("%s: %d entries" % (level, len(entries)))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("levels", nargs="*")
    parser.add_argument("--all", action="store_true")
    args = parser.parse_args()
    for level in sorted(LEVELS) if args.all else args.levels:
        if level not in LEVELS:
            sys.exit("Error: no layout for %s in tools/make_level.py" % level)
        make_level(level)


if __name__ == "__main__":
    main()
