"""Layouts of the levels after the first: level1_2 to level3_3.

tools/make_level.py reads LEVELS from here and writes each level's folder.
A venue keeps its floor and decor across its three levels; the second and
third layouts add guests and props and spread the props further apart.

The walkable floor is x -620..620, y -340..260 (the one walkability grid).
Every layout keeps the opening sound: the first guest ("NPC_1") and the
Killer stand closer to a dish than to any other prop, with open floor
between, and the Detective walks in along the bottom-left wall.
"""
import random

# Decor that stands in the way: (half width, half height) of its static box,
# centred on the sprite. Everything else is walked over or stands at a wall.
BLOCKING = {
    "Manor": {"Table": (60, 30), "Pillar": (20, 24), "Clock": (18, 24), "Plant": (22, 22)},
    "Mall": {"Table": (42, 24), "Plant": (36, 22), "Bench": (52, 14), "Stall": (94, 40), "Fountain": (62, 34)},
    "Carnival": {"Stall": (78, 40), "Tent": (100, 50), "Barrel": (20, 20), "HayBale": (34, 18), "Bench": (48, 14),
                 "Table": (56, 22)},
}

DECOR_SIZES = {
    "Mall": {"Table": (96, 80), "Chair": (36, 52), "Plant": (88, 72), "Bench": (112, 48), "Bin": (32, 48),
             "Stall": (200, 136), "Fountain": (136, 104), "Sign": (40, 96)},
    "Carnival": {"Stall": (168, 144), "Tent": (216, 176), "Balloons": (56, 104), "LampPost": (40, 128),
                 "Barrel": (44, 52), "HayBale": (72, 48), "Bench": (104, 44), "Table": (120, 72)},
}

# The Detective's entrance, as the shared archetype places it: the police
# car stops by the bottom-left corner and the Detective walks down the left
# wall into the corner, on walkable floor all the way.
ENTRANCE = ("DetectiveStart", "DetectiveStart", -600, -120)
DETECTIVE = ("Player1", "Detective", -600, -120)
OPENING_PLAYERS = [DETECTIVE, ENTRANCE]

LOOKS = ["Guest_NPCMale1", "Guest_NPCFemale1", "Guest_NPCMale2"]

# Sizes of what a guest must not be placed on (half extents, with room to spare).
PROP_CLEARANCE = {"Food_Buffet": (96, 66), "Food_Cake": (76, 66), "Food_Punchbowl": (76, 66), "Jukebox": (70, 80),
                  "PoolTable": (100, 72), "Piano": (90, 80), "AlarmBox": (50, 60)}


def guests(level, count, objects, first, killer):
    """The level's guests: NPC_1 where the opening needs it, the others on a
    jittered grid over the floor, off every prop, decor piece and the
    Detective's entrance. The same level always gets the same crowd."""
    draw = random.Random(level)
    keep_out = [(-600, -210, 70, 130), (-490, -240, 70, 50)]  # the entrance walk, the police car
    for entry in objects:
        name, base, x, y = entry[:4]
        if name == "Decor":
            continue
        half = PROP_CLEARANCE.get(base, (60, 60))
        keep_out.append((x, y, half[0], half[1]))
    decor = [(x, y) + blocking for (n, b, x, y, *rest) in objects if n == "Decor"
             for blocking in [BLOCKING_ANY.get(b)] if blocking]
    keep_out += [(x, y, hx + 30, hy + 40) for x, y, hx, hy in decor]
    keep_out.append((killer[0], killer[1], 40, 40))
    keep_out.append((first[0], first[1], 40, 40))
    spots = []
    columns, rows = 12, 7
    for row in range(rows):
        for column in range(columns):
            x = -560 + column * (1120 / (columns - 1)) + draw.uniform(-30, 30)
            y = -300 + row * (520 / (rows - 1)) + draw.uniform(-20, 20)
            if not any(abs(x - kx) < hx and abs(y - ky) < hy for kx, ky, hx, hy in keep_out):
                spots.append((round(x), round(y)))
    draw.shuffle(spots)
    if len(spots) < count - 1:
        raise ValueError("%s: room for %d guests, %d asked" % (level, len(spots) + 1, count))
    placed = [("NPC_1", LOOKS[0], first[0], first[1])]
    for number, (x, y) in enumerate(sorted(spots[:count - 1], key=lambda s: (-s[1], s[0])), start=2):
        placed.append(("NPC_%d" % number, LOOKS[(number - 1) % len(LOOKS)], x, y))
    return placed


BLOCKING_ANY = {}
for _venue in BLOCKING.values():
    BLOCKING_ANY.update(_venue)


DISHES = ("Food_Buffet", "Food_Cake", "Food_Punchbowl")
RIGGED = ("Jukebox", "PoolTable", "Piano")


def level(name, venue, panic, count, first, killer, objects, charges=1, radius=110):
    """A level: its props take the level's poisoned portions per sabotage and
    blast radius unless they say otherwise."""
    layout = []
    for entry in objects:
        if entry[1] in DISHES and not entry[4:]:
            entry = entry[:4] + ({"PoisonedChargesMax": str(charges)},)
        elif entry[1] in RIGGED and not entry[4:]:
            entry = entry[:4] + ({"explosion_radius": str(radius)},)
        layout.append(entry)
    layout += guests(name, count, objects, first, killer)
    layout += [("Player2", "Killer", killer[0], killer[1])] + OPENING_PLAYERS
    return {"venue": venue, "panic": panic, "objects": layout}


def dish(base, x, y, name=None):
    return (name or base, base, x, y)


def rigged(base, x, y, name=None):
    return (name or base, base, x, y)


ALARM_RIGHT = ("AlarmBox", "AlarmBox", 595, 20)

LEVELS = {
    # Manor, second evening: a long dining table in the middle, the buffet
    # and the cake along the top, the punch bowl and the piano in the lower
    # corners.
    "level1_2": level("level1_2", "Manor", {"panicStrikeChances": 14, "panicThresholdPerStrike": 40}, 16, (-300, 60), (-230, 80), [
        ("Decor", "Rug", 0, -120),
        ("Decor", "Table", 0, 40),
        ("Decor", "Chair", -90, 40),
        ("Decor", "Chair", 90, 40),
        ("Decor", "Pillar", -440, 190),
        ("Decor", "Pillar", 440, 190),
        ("Decor", "Clock", 0, 200),
        ("Decor", "Plant", 600, 220),
        ("Decor", "Candelabra", -600, 200),
        dish("Food_Buffet", -280, 190),
        dish("Food_Cake", 280, 190),
        dish("Food_Punchbowl", -480, -230),
        rigged("Piano", 500, -220),
        ALARM_RIGHT,
    ]),
    # Manor, the ball: two tables, dishes in three corners, the piano and
    # the pool table far apart.
    "level1_3": level("level1_3", "Manor", {"panicStrikeChances": 14, "panicThresholdPerStrike": 38}, 22, (-420, 50), (-360, 90), [
        ("Decor", "Rug", -200, -100),
        ("Decor", "Rug", 220, -100),
        ("Decor", "Table", -200, 20),
        ("Decor", "Table", 230, 20),
        ("Decor", "Pillar", -20, 190),
        ("Decor", "Clock", 600, 200),
        ("Decor", "Plant", -600, 210),
        ("Decor", "Plant", 600, -320),
        ("Decor", "Candelabra", -120, 210),
        ("Decor", "Candelabra", 100, 210),
        dish("Food_Buffet", -500, 180),
        dish("Food_Cake", 200, 190),
        dish("Food_Punchbowl", 520, -230),
        rigged("Piano", 470, 180),
        rigged("PoolTable", -160, -260),
        ALARM_RIGHT,
    ]),
    # Mall food court, lunch: stalls along the top, tables by the fountain.
    "level2_1": level("level2_1", "Mall", {"panicStrikeChances": 14, "panicThresholdPerStrike": 38}, 18, (-330, 60), (-260, 80), [
        ("Decor", "Stall", -20, 190),
        ("Decor", "Fountain", 0, -110),
        ("Decor", "Table", -420, -120),
        ("Decor", "Chair", -480, -120),
        ("Decor", "Table", 420, -120),
        ("Decor", "Chair", 480, -120),
        ("Decor", "Bench", 0, -300),
        ("Decor", "Plant", -590, 210),
        ("Decor", "Bin", 590, 210),
        ("Decor", "Sign", 200, 200),
        dish("Food_Buffet", -330, 190),
        dish("Food_Punchbowl", 340, 190),
        rigged("Jukebox", 560, -230),
        ALARM_RIGHT,
    ]),
    # Mall, the rush: two stalls, a cake counter and a second buffet.
    "level2_2": level("level2_2", "Mall", {"panicStrikeChances": 14, "panicThresholdPerStrike": 36}, 26, (-470, 60), (-420, 90), [
        ("Decor", "Stall", -180, 190),
        ("Decor", "Stall", 260, 190),
        ("Decor", "Fountain", 40, -60),
        ("Decor", "Table", -330, -150),
        ("Decor", "Table", 380, -170),
        ("Decor", "Chair", -390, -150),
        ("Decor", "Chair", 440, -170),
        ("Decor", "Bench", 40, -300),
        ("Decor", "Plant", -600, -20),
        ("Decor", "Sign", 560, 200),
        dish("Food_Buffet", -470, 190),
        dish("Food_Cake", 470, 190),
        dish("Food_Punchbowl", -180, -290),
        dish("Food_Buffet", 560, -60, name="Food_Buffet_2"),
        rigged("Jukebox", 40, 190),
        ALARM_RIGHT,
    ]),
    # Mall, closing time: the props in every corner of the court.
    "level2_3": level("level2_3", "Mall", {"panicStrikeChances": 14, "panicThresholdPerStrike": 34}, 32, (-470, 40), (-420, 80), [
        ("Decor", "Stall", 0, 190),
        ("Decor", "Fountain", 0, -60),
        ("Decor", "Table", -280, 60),
        ("Decor", "Table", 280, 60),
        ("Decor", "Table", -300, -200),
        ("Decor", "Table", 300, -200),
        ("Decor", "Bench", -120, -310),
        ("Decor", "Plant", 600, 210),
        ("Decor", "Bin", -600, 210),
        ("Decor", "Sign", 200, 200),
        dish("Food_Buffet", -470, 190),
        dish("Food_Cake", 470, 190),
        dish("Food_Punchbowl", -40, -300),
        dish("Food_Buffet", 560, -260, name="Food_Buffet_2"),
        rigged("Jukebox", -250, 190),
        rigged("PoolTable", 420, -20),
        ALARM_RIGHT,
    ], radius=80),
    # Carnival, opening night: a tent in the middle, stalls at the top.
    "level3_1": level("level3_1", "Carnival", {"panicStrikeChances": 14, "panicThresholdPerStrike": 36}, 24, (-320, 50), (-250, 80), [
        ("Decor", "Tent", 0, 0),
        ("Decor", "Stall", -480, 180),
        ("Decor", "Balloons", -600, 60),
        ("Decor", "LampPost", 600, 190),
        ("Decor", "Barrel", 240, -290),
        ("Decor", "HayBale", -240, -290),
        ("Decor", "Bench", 480, -300),
        dish("Food_Buffet", -300, 190),
        dish("Food_Cake", 300, 190),
        dish("Food_Punchbowl", 520, -150),
        rigged("PoolTable", -460, -200),
        ALARM_RIGHT,
    ]),
    # Carnival, the fair: two tents, the props out at the edges.
    "level3_2": level("level3_2", "Carnival", {"panicStrikeChances": 14, "panicThresholdPerStrike": 34}, 32, (-470, 30), (-430, 80), [
        ("Decor", "Tent", -250, 20),
        ("Decor", "Tent", 280, 20),
        ("Decor", "Stall", 20, 180),
        ("Decor", "Balloons", 20, -60),
        ("Decor", "LampPost", -600, 200),
        ("Decor", "Barrel", 600, -320),
        ("Decor", "HayBale", 0, -300),
        ("Decor", "Table", -330, -260),
        dish("Food_Buffet", -470, 190),
        dish("Food_Cake", 500, 190),
        dish("Food_Punchbowl", 540, -200),
        dish("Food_Buffet", 150, -250, name="Food_Buffet_2"),
        rigged("Jukebox", -210, 200),
        rigged("Piano", 250, 200),
        ALARM_RIGHT,
    ], radius=100),
    # Carnival, the last night: a full fair, the props far apart.
    "level3_3": level("level3_3", "Carnival", {"panicStrikeChances": 14, "panicThresholdPerStrike": 32}, 40, (-480, 20), (-440, 70), [
        ("Decor", "Tent", 0, 30),
        ("Decor", "Stall", -250, 180),
        ("Decor", "Stall", 250, 180),
        ("Decor", "Balloons", -600, 60),
        ("Decor", "Balloons", 600, 60),
        ("Decor", "LampPost", -100, -200),
        ("Decor", "LampPost", 100, -200),
        ("Decor", "HayBale", -300, -300),
        ("Decor", "Barrel", 300, -310),
        dish("Food_Buffet", -480, 190),
        dish("Food_Cake", 480, 190),
        dish("Food_Punchbowl", -510, -200),
        dish("Food_Buffet", 0, -300, name="Food_Buffet_2"),
        dish("Food_Cake", 530, -230, name="Food_Cake_2"),
        rigged("Jukebox", 0, 200),
        rigged("PoolTable", -260, -130),
        rigged("Piano", 300, -140),
        ALARM_RIGHT,
    ], radius=80),
}
