#!/usr/bin/env python3
"""Writes the tutorial's scene: its panels, the objects placed in its room and
its index file (Resources/tutorial/).

The panels are UI menus: one object per panel, tagged with the panel's name,
holding one text on a background. Their texts name the keys and pad buttons
read from Resources/Keyboard_Actions.txt and Resources/Controller_Actions.txt,
so run this again whenever a binding changes (a test compares them).

The players, guests and props are copies of the shared archetypes in
Resources/archetypes/ with the tutorial's names and positions; run this again
when one of those changes. Effect templates, the meter and the pause panel are
listed from Resources/archetypes/ as they are.

Usage: /usr/bin/python3 tools/make_tutorial.py
"""
import pathlib
import re
import sys

from PIL import ImageFont

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import sceneindex  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parent.parent
RESOURCES = ROOT / "Resources"
SCENE = RESOURCES / "tutorial"
SHARED = RESOURCES / "archetypes"

TEXT_SCALE = 0.5
FONT_PIXELS = 48            # the game font's pixel height at scale 1
PANEL_TOP = 345             # world y of every panel's top edge
PANEL_MARGIN = 28           # room left and right of the text
PANEL_TEXTURE = "ui_matchpanel"
WIDEST_LINE = 1180          # the window is 1280 wide

# ---------------------------------------------------------------- bindings

KEY_LABELS = {
    "LSHIFT": "Left Shift", "RSHIFT": "Right Shift", "LCTRL": "Left Ctrl",
    "RCTRL": "Right Ctrl", "LALT": "Left Alt", "RALT": "Right Alt",
    "SLASH": "/", "BACKSLASH": "\\", "PERIOD": ".", "COMMA": ",",
    "SEMICOLON": ";", "QUOTE": "'", "MINUS": "-", "EQUAL": "=",
    "TAB": "Tab", "BACKSPACE": "Backspace", "ENTER": "Enter", "SPACE": "Space",
    "UP": "Up", "DOWN": "Down", "LEFT": "Left", "RIGHT": "Right",
}
PAD_LABELS = {"RS": "RB", "LS": "LB", "RT": "the right stick (press)",
              "LT": "the left stick (press)"}


def read_bindings(path):
    words = path.read_text().split()
    bindings = {}
    for name, word in zip(words[0::2], words[1::2]):
        bindings.setdefault(name, word)  # the first binding of a name counts
    return bindings


class Keys:
    """The labels of the bound keys and buttons, as a player reads them."""

    def __init__(self):
        self.keyboard = read_bindings(RESOURCES / "Keyboard_Actions.txt")
        self.pad = read_bindings(RESOURCES / "Controller_Actions.txt")

    def key(self, player, action):
        word = self.keyboard["%s_%d" % (action, player)]
        return KEY_LABELS.get(word, word)

    def button(self, action):
        word = self.pad["%s_1" % action]
        return PAD_LABELS.get(word, word)

    def moves(self, player):
        words = [self.keyboard["%s_%d" % (a, player)]
                 for a in ("moveup", "moveleft", "movedown", "moveright")]
        if words == ["UP", "LEFT", "DOWN", "RIGHT"]:
            return "the arrow keys"
        return " ".join(KEY_LABELS.get(w, w) for w in words)

    def pad_moves(self):
        words = [self.pad["%s_1" % a] for a in ("moveup", "moveleft", "movedown", "moveright")]
        return "the D-pad" if words == ["Up", "Left", "Down", "Right"] else " ".join(words)

    def both(self, action):
        """Each player's own key for an action, and the pad's button, on one line."""
        return "Player 1: %s      Player 2: %s      Game pad: %s" % (
            self.key(1, action), self.key(2, action), self.button(action))


# ---------------------------------------------------------------- panels

def panel_texts(k):
    """Panel name -> its lines. Written for someone who has never played."""
    go_on = "Press Enter, or Start on a game pad, to continue."
    try_it = "Press Enter, or Start on a game pad, to try it."
    pauses = "Pause at any time: %s (player 1) or %s (player 2)." % (
        k.key(1, "pause_game"), k.key(2, "pause_game"))
    return {
        "Intro_keyboard": [
            "WELCOME TO THE TUTORIAL",
            "One of you plays the KILLER, the other the DETECTIVE.",
            "This tutorial teaches both roles, one step at a time.",
            "Player 1 walks with %s, player 2 with %s." % (k.moves(1), k.moves(2)),
            pauses,
            "Press Enter to continue.",
        ],
        "Intro_controller": [
            "WELCOME TO THE TUTORIAL",
            "One of you plays the KILLER, the other the DETECTIVE.",
            "This tutorial teaches both roles, one step at a time.",
            "Each player walks with %s of their own game pad." % k.pad_moves(),
            "Pause at any time with %s." % k.button("pause_game"),
            "Press Start to continue.",
        ],
        "Intro_1": [
            "THE KILLER",
            "The Killer looks just like the dinner guests: hide among them.",
            "Kill guests by poisoning their food or by rigging the",
            "furniture to explode. Reach the level's kill target to win.",
            go_on,
        ],
        "Intro_2": [
            "THE DETECTIVE",
            "Every death, every wrong arrest and a crowd left in panic",
            "cost the Detective a strike. When the strikes run out,",
            "the Killer wins. Calm the guests, clear away the bodies",
            "and arrest the Killer to win.",
            go_on,
        ],
        "Walking": [
            "WALKING",
            "Both of you: walk to the right, over to the jukebox's side of the room.",
            "Player 1: %s      Player 2: %s      Game pad: %s" % (
                k.moves(1), k.moves(2), k.pad_moves()),
        ],
        "Interact": [
            "USING THINGS  -  KILLER",
            "Guests dance at the jukebox and eat at the buffet.",
            "Do the same and you blend in with the crowd.",
            "Killer: walk up to the jukebox on the right and use it.",
            try_it,
        ],
        "Interact_keyboard": [
            "KILLER: walk up to the jukebox and use it.",
            k.both("interact"),
        ],
        "Interact_controller": [
            "KILLER: walk up to the jukebox and press %s." % k.button("interact"),
        ],
        "Sabo": [
            "SABOTAGE  -  KILLER",
            "The Killer can rig a jukebox, a pool table or a piano: the next",
            "guest who plays with it sets it off, and everyone near it dies.",
            "Poisoned food works the same way: it kills whoever eats it.",
            "Killer: rig the jukebox, then step back and watch.",
            try_it,
        ],
        "Sabo_keyboard": [
            "KILLER: stand at the jukebox and rig it.",
            k.both("action"),
        ],
        "Sabo_controller": [
            "KILLER: stand at the jukebox and press %s to rig it." % k.button("action"),
        ],
        "Calm": [
            "CALMING GUESTS  -  DETECTIVE",
            "Your turn, Detective. A guest who sees a body panics and runs",
            "around screaming, and a panicking crowd costs you strikes.",
            "Catch up with the screaming guest and calm them down.",
            try_it,
        ],
        "Calm_keyboard": [
            "DETECTIVE: catch up with the screaming guest and calm them.",
            k.both("interact"),
            "Hold %s (player 1) or %s (player 2) to run." % (k.key(1, "run"), k.key(2, "run")),
        ],
        "Calm_controller": [
            "DETECTIVE: catch up with the screaming guest and press %s." % k.button("interact"),
            "Hold %s to run." % k.button("run"),
        ],
        "Hack": [
            "CLEARING BODIES  -  DETECTIVE",
            "A body scares every guest who walks past it: clear it away.",
            "Stand at the body and press interact. An arrow sweeps along a bar:",
            "press interact again while it is on the yellow part,",
            "or even better on the green part. Missed? Just try again.",
            try_it,
        ],
        "Hack_keyboard": [
            "DETECTIVE: stand at the body by the jukebox and clear it.",
            k.both("interact"),
            "Press once to start the bar, again on yellow or green.",
        ],
        "Hack_controller": [
            "DETECTIVE: stand at the body by the jukebox and press %s," % k.button("interact"),
            "then %s again while the arrow is on yellow or green." % k.button("interact"),
        ],
        "Catch_Wrong": [
            "ARRESTS  -  DETECTIVE",
            "The action button arrests whoever stands close in front of you.",
            "Arrest an innocent guest and you punch them instead: you lose",
            "a strike and lie dazed on the floor for a few seconds.",
            "Try it once on the guest now, so you know what to avoid.",
            try_it,
        ],
        "Catch_Wrong_keyboard": [
            "DETECTIVE: stand close to the guest, face them and arrest them.",
            k.both("action"),
        ],
        "Catch_Wrong_controller": [
            "DETECTIVE: stand close to the guest, face them and press %s." % k.button("action"),
        ],
        "Catch": [
            "THE ARREST  -  DETECTIVE",
            "Now arrest the Killer: walk up close, face them and arrest them.",
            "Killer: stand still this time and let it happen.",
            try_it,
        ],
        "Catch_keyboard": [
            "DETECTIVE: stand close to the Killer, face them and arrest them.",
            k.both("action"),
        ],
        "Catch_controller": [
            "DETECTIVE: stand close to the Killer, face them and press %s." % k.button("action"),
        ],
        "SeqTwo": [
            "WELL DONE",
            "Next comes a real party: a crowd, an alarm and a disguise.",
            go_on,
        ],
        "SeqTwoInit": [
            "A FULL PARTY",
            "Four guests have arrived, and the Killer is back among them.",
            go_on,
        ],
        "Alarm_speech": [
            "THE ALARM  -  DETECTIVE",
            "The red box on the right wall is an alarm. Raising it makes the",
            "guests panic for a few seconds and costs you a strike, but it",
            "drags the Killer away from whatever it is busy with.",
            "Save it for when you see the Killer at work.",
            try_it,
        ],
        "Alarm_keyboard": [
            "DETECTIVE: walk to the alarm on the right wall and raise it.",
            k.both("interact"),
        ],
        "Alarm_controller": [
            "DETECTIVE: walk to the alarm on the right wall and press %s." % k.button("interact"),
        ],
        "RunTeach": [
            "THE DISGUISE  -  KILLER",
            "Panicking guests run around with a mark over their heads.",
            "Hold run and the Killer wears the same mark: in a panicking",
            "crowd you look just like everyone else.",
            "Killer: hold run until this panel goes away.",
            try_it,
        ],
        "RunTeach_keyboard": [
            "KILLER: hold run until this panel goes away.",
            k.both("run"),
        ],
        "RunTeach_controller": [
            "KILLER: hold %s until this panel goes away." % k.button("run"),
        ],
        "SeqTwoCatch": [
            "FIND THE KILLER  -  DETECTIVE",
            "The Killer hides among the guests. Watch how everyone moves,",
            "then arrest the one you suspect.",
            "Killer: blend in and try not to get caught!",
            try_it,
        ],
        "SeqTwoCatch_keyboard": [
            "DETECTIVE: find the Killer and arrest them.",
            k.both("action"),
        ],
        "SeqTwoCatch_controller": [
            "DETECTIVE: find the Killer and press %s to arrest them." % k.button("action"),
        ],
        "Done": [
            "TUTORIAL COMPLETE",
            "You know both roles now. Pick your roles, choose a level and play!",
            "Press Enter, or Start on a game pad, for the main menu.",
        ],
    }


def panel_archetype(name, lines, font):
    widths = [font.getlength(line) * TEXT_SCALE for line in lines]
    widest = max(widths)
    if widest > WIDEST_LINE:
        raise SystemExit("Error: a line of panel %s is %d pixels wide" % (name, widest))
    line_height = FONT_PIXELS * TEXT_SCALE
    # The background reaches one line height and 10 pixels above the first
    # baseline; centre the block on the window's middle.
    baseline = PANEL_TOP - 10 - line_height
    x = -round(widest / 2)
    text = "\\n".join(line.replace("&", "&amp;").replace('"', "&quot;") for line in lines)
    return """<?xml version="1.0" ?>
<!-- Tutorial panel "%s", written by tools/make_tutorial.py. -->
<Archetype>
  <Enabled bool="false"/>
  <Name string="Panel_%s"/>
  <Tag string="%s"/>
  <Transform><position Vec3="0,0,0"/><scale Vec3="1,1,1"/><rotation float="0"/></Transform>
  <UIText>
    <position Vec2="%d,%d"/>
    <usebackground string="%s"/>
    <leftMargin float="%d"/>
    <rightMargin float="%d"/>
    <text string="%s"/>
    <textScale float="%g"/>
    <textdisplayType string="Static"/>
    <spacebetweenlines unsigned="1"/>
  </UIText>
</Archetype>
""" % (name, name, name, x, baseline, PANEL_TEXTURE, PANEL_MARGIN, PANEL_MARGIN, text, TEXT_SCALE)


# ---------------------------------------------------------------- the room

# (file and object name, shared archetype, position). Both players start left
# of x = 100, so walking right means something. "NPC_1" stands within the
# jukebox's reach; "NPC_2" stands beyond its blast; the other guests and the
# pool tables wait off-screen for the second part.
PLACED = [
    ("Player1", "Detective", (-260, -90)),
    ("Player2", "Killer", (-260, 70)),
    ("NPC_1", "Guest_NPCMale1", (400, -70)),
    ("NPC_2", "Guest_NPCFemale1", (-260, -250)),
    ("NPC_3", "Guest_NPCMale2", (-1500, 600)),
    ("NPC_4", "Guest_NPCFemale1", (-1500, 800)),
    ("NPC_5", "Guest_NPCMale1", (-1700, 600)),
    ("NPC_6", "Guest_NPCFemale1", (-1700, 800)),
    ("JukeBox", "Jukebox", (400, 20)),
    ("Alarm", "AlarmBox", (585, -140)),
    ("Pooltable_1", "PoolTable", (-2000, -600)),
    ("Pooltable_2", "PoolTable", (-2300, -600)),
]

# Manor decor along the walls (the panels cover the top wall), clear of the
# middle where people walk:
# (file name, decor animation, position, size).
DECOR = [
    ("Decor_Clock", "Clock", (-560, 250), (44, 120)),
    ("Decor_Pillar_1", "Pillar", (-600, -260), (48, 136)),
    ("Decor_Pillar_2", "Pillar", (600, 250), (48, 136)),
    ("Decor_Plant_1", "Plant", (-440, -300), (56, 84)),
    ("Decor_Plant_2", "Plant", (470, -300), (56, 84)),
    ("Decor_Table", "Table", (-20, -300), (136, 104)),
    ("Decor_Chair_1", "Chair", (-110, -300), (40, 60)),
    ("Decor_Chair_2", "Chair", (70, -300), (40, 60)),
]

EFFECTS = ["explosion_efx", "faint_efx", "Emote", "Panic",
           "ReloadFrame", "ReloadFill_Red", "ReloadFill_Yellow", "ReloadFill_Green", "ReloadArrow"]
PAUSE = ["PauseBackdrop", "PauseCaptions", "PauseButtons",
         "PauseOptionsBackdrop", "PauseOptionsCaptions", "PauseOptionsButtons",
         "SoundVolumeKnob", "MusicVolumeKnob"]


def placed_copy(name, shared, position):
    text = (SHARED / (shared + ".xml")).read_text()
    vec = "%g,%g,0" % position
    text = re.sub(r'<Name string="[^"]*"/>', '<Name string="%s"/>' % name, text, count=1)
    text = re.sub(r'(<Transform><position Vec3=")[^"]*', r"\g<1>" + vec, text, count=1)
    text = re.sub(r'(<mPosition Vec3=")[^"]*', r"\g<1>" + vec, text, count=1)
    note = "<!-- Tutorial copy of ../archetypes/%s.xml, written by tools/make_tutorial.py. -->\n" % shared
    return text.replace("<Archetype>", note + "<Archetype>", 1)


def sprite_archetype(name, texture, animation, position, size, layer):
    return """<?xml version="1.0" ?>
<!-- Tutorial room, written by tools/make_tutorial.py. -->
<Archetype>
  <Enabled bool="true"/>
  <Name string="%s"/>
  <Tag string="decor"/>
  <Transform><position Vec3="%g,%g,0"/><scale Vec3="1,1,1"/><rotation float="0"/></Transform>
  <Sprite>
    <position Vec2="0,0"/>
    <size Vec2="%g,%g"/>
    <color Vec4="1,1,1,1"/>
    <layer unsigned="%d"/>
    <textureID string="%s"/>
    <currentAnimSet string="%s"/>
  </Sprite>
</Archetype>
""" % (name, position[0], position[1], size[0], size[1], layer, texture, animation)


def main():
    SCENE.mkdir(parents=True, exist_ok=True)
    for old in SCENE.glob("*.xml"):
        old.unlink()
    entries = []

    def write(file_name, text):
        (SCENE / (file_name + ".xml")).write_text(text)
        entries.append(file_name + ".xml")

    # The manor's floor with the margin it keeps round the room for the match's view.
    write("Floor", sprite_archetype("Floor", "Floor_Manor", "Default", (0, 0), (1280 + 2 * 32, 720 + 2 * 32), 0))
    for name, animation, position, size in DECOR:
        write(name, sprite_archetype(name, "Decor_Manor", animation, position, size, 1))
    for name, shared, position in PLACED:
        write(name, placed_copy(name, shared, position))
    entries.extend("../archetypes/%s.xml" % name for name in EFFECTS + PAUSE)

    font = ImageFont.truetype(str(RESOURCES / "fonts" / "TCCB.ttf"), FONT_PIXELS)
    for name, lines in panel_texts(Keys()).items():
        write(name, panel_archetype(name, lines, font))

    sceneindex.write_index(str(SCENE / "tutorial.scene"), entries)
    print("wrote %d entries to %s" % (len(entries), SCENE / "tutorial.scene"))


if __name__ == "__main__":
    main()
