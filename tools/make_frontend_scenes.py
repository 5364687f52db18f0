#!/usr/bin/python3
"""Writes the archetypes and index files of the front-end scenes ("splash",
"mainmenu", "playerselect", "levelselect") and the shared cursor archetype,
on the layout of tools/make_frontend_art.py, whose pictures they show.

Run by hand from the repository root after changing the layout:
    /usr/bin/python3 tools/make_frontend_scenes.py
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_frontend_art as art  # noqa: E402
from sceneindex import write_index  # noqa: E402

RESOURCES = os.path.join(art.ROOT, "Resources")
CURSOR = "../archetypes/UIMouse.xml"

# Keyboard and pad bindings every menu list carries; left and right stay
# free for the player select's markers and the sliders.
MENU_KEYS = ("menu_up", "PrevButton"), ("menu_down", "NextButton"), ("menu_select", "SelectButton")


def field(name, kind, value):
    return '<%s %s="%s"/>' % (name, kind, value)


def vec(*values):
    return ",".join("%g" % v for v in values)


def archetype(name, tag, components, position=(0, 0), enabled=True):
    return ('<?xml version="1.0" ?>\n<Archetype>\n  %s\n  %s\n  %s\n'
            '  <Transform>%s%s%s</Transform>\n%s</Archetype>\n'
            % (field("Enabled", "bool", "true" if enabled else "false"), field("Name", "string", name),
               field("Tag", "string", tag), field("position", "Vec3", vec(position[0], position[1], 0)),
               field("scale", "Vec3", "1,1,1"), field("rotation", "float", "0"), components))


def sprite(texture, size, layer, position=(0, 0)):
    return ("  <Sprite>%s%s%s%s%s</Sprite>\n"
            % (field("position", "Vec2", vec(*position)), field("size", "Vec2", vec(*size)),
               field("color", "Vec4", "1,1,1,1"), field("layer", "unsigned", layer), field("textureID", "string", texture)))


def image(texture, size, animation="", position=(0, 0)):
    return ("  <UIImage>%s%s%s%s</UIImage>\n"
            % (field("position", "Vec2", vec(*position)), field("size", "Vec2", vec(*size)),
               field("textureID", "string", texture), field("animSet", "string", animation)))


def button(name, position, action, argument="", kind="Default", texture="frontend_buttons", states=None,
           size=(art.BUTTON_W, art.BUTTON_H)):
    if states is None:
        states = (name + "Default", name + "Hover", name + "Select")
    default, hover, select = states
    return ("    <Button>%s%s%s%s%s%s%s%s%s%s</Button>\n"
            % (field("buttonType", "string", kind), field("buttonName", "string", name),
               field("buttontextureSet", "string", texture), field("position", "Vec2", vec(*position)),
               field("size", "Vec2", vec(*size)), field("defaultState", "string", default),
               field("hoverState", "string", hover), field("selectState", "string", select),
               field("useFunction", "string", action), field("sysVariable", "string", argument)))


def button_list(default, buttons, remember=False):
    keys = "".join("<%s>%s%s</%s>" % (action, field("useFunction", "string", use), field("sysVariable", "string", ""),
                                      action) for action, use in MENU_KEYS)
    return ("  <UIButtonlist>%s%s\n    <onPress>%s</onPress>\n%s  </UIButtonlist>\n"
            % (field("defaultButton", "string", default), field("savelastSelected", "bool", "true" if remember else "false"),
               keys, "".join(buttons)))


def background(texture):
    return archetype("Backdrop", "backdrop", sprite(texture, (art.WIDTH, art.HEIGHT), 0))


def caption(name, tag, lines, y, scale=0.5):
    """A centred text of one or more lines (the engine draws from the left)."""
    widest = max(art.text_width(line, 48) for line in lines) * scale
    text = ("  <UIText>%s%s%s%s%s</UIText>\n"
            % (field("position", "Vec2", "0,0"), field("text", "string", "\\n".join(lines)),
               field("textScale", "float", scale), field("textdisplayType", "string", "Static"),
               field("spacebetweenlines", "unsigned", 1)))
    return archetype(name, tag, text, (-widest / 2, y))


def splash():
    pages = [("splash_title", 0.3, 0.8, 2.4, 0.8), ("splash_players", 0.2, 0.8, 3.2, 0.8)]
    times = "".join("<%s>%s%s%s%s</%s>" % (name, field("warmupTime", "float", w), field("fadeInTime", "float", i),
                                          field("stayTime", "float", s), field("fadeOutTime", "float", o), name)
                    for name, w, i, s, o in pages)
    fader = sprite(pages[0][0], (art.WIDTH, art.HEIGHT), 2) + "  <ImageFader><ImageList>%s</ImageList></ImageFader>\n" % times
    return {"Fader.xml": archetype("Fader", "splash", fader)}


def main_menu():
    x, y, w, h = art.OPTIONS_PANEL
    options = [button("Music", (art.SLIDER_X, art.OPTIONS_ROWS["Music"]), "SetVariableValue", "musicVolume", "Slider",
                      "ui_slider", ("Track", "", "Track"), (art.SLIDER_W, art.SLIDER_H)),
               button("Sound", (art.SLIDER_X, art.OPTIONS_ROWS["Sound"]), "SetVariableValue", "soundVolume", "Slider",
                      "ui_slider", ("Track", "", "Track"), (art.SLIDER_W, art.SLIDER_H)),
               button("Fullscreen", (art.SLIDER_X - art.SLIDER_W / 2 + art.TOGGLE_SIZE / 2, art.OPTIONS_ROWS["Fullscreen"]),
                      "FullScreenToggle", "fullscreen", "Toggle", "ui_toggle", ("Off", "OffHover", "On"),
                      (art.TOGGLE_SIZE, art.TOGGLE_SIZE)),
               button("Close", (0, art.CLOSE_Y), "MenuOverwrite", "mainmenu")]
    files = {
        "Backdrop.xml": background("frontend_mainmenu"),
        "UIMainMenu.xml": archetype("UIMainMenu", "mainmenu", button_list("Play", [
            button("Play", art.MAIN_BUTTONS[0][1:], "ChangeScene", "playerselect"),
            button("Options", art.MAIN_BUTTONS[1][1:], "MenuOverwrite", "options"),
            button("Quit", art.MAIN_BUTTONS[2][1:], "QuitGame", "quit")], remember=True)),
        "OptionsPanel.xml": archetype("OptionsPanel", "options", image("frontend_options", (w, h)), (x, y), False),
        "UIOptions.xml": archetype("UIOptions", "options", button_list("Music", options), enabled=False),
    }
    for slider in ("Music", "Sound"):
        row = art.OPTIONS_ROWS[slider]
        files["UI%sSpeaker.xml" % slider] = archetype("UI%sSpeaker" % slider, "options",
                                                       image("ui_knob", (44, 44), "SpeakerDefault"),
                                                       (art.SPEAKER_X, row), False)
        files["UI%sKnob.xml" % slider] = archetype("UI%sKnob" % slider, "options", image("ui_knob", (48, 48), "KnobDefault"),
                                                    (art.SLIDER_X, row), False)
    return files


def player_select():
    marker = {1: "marker_p1", 2: "marker_p2"}
    spots = "".join(field(name, "Vec3", vec(*spot, 0)) for name, spot in (
        ("pOneOriginal", art.HOME_SPOTS[1]), ("pTwoOriginal", art.HOME_SPOTS[2]),
        ("dSpot", art.DETECTIVE_SPOT), ("kSpot", art.KILLER_SPOT)))
    files = {"Backdrop.xml": background("frontend_playerselect")}
    for player in (1, 2):
        files["Controller%d.xml" % player] = archetype("Controller%d" % player, "controller",
                                                       sprite(marker[player], (art.MARKER_SIZE, art.MARKER_SIZE), 3),
                                                       art.HOME_SPOTS[player])
    files["RoleSelector.xml"] = archetype("RoleSelector", "playerselect", "  <PlayerSelection>%s</PlayerSelection>\n" % spots)
    files["Caption.xml"] = caption("Caption", "playerselect", [
        "Left takes the Detective, right the Killer; the other way gives it back.",
        "Both roles must be taken to play."], art.CAPTION_Y)
    files["UIPlayerMenu.xml"] = archetype("UIPlayerMenu", "playerselect", button_list("Play", [
        button("Play", art.PLAYER_BUTTONS[0][1:], "CheckPlayers", "levelselect"),
        button("Tutorial", art.PLAYER_BUTTONS[1][1:], "CheckPlayers", "tutorial"),
        button("Back", art.PLAYER_BUTTONS[2][1:], "ChangeScene", "mainmenu")]))
    return files


def level_select():
    buttons = []
    for scene, _, x, y in art.level_buttons():
        name = {"level2_1": "MallButton", "level3_1": "CarnivalButton"}.get(scene, scene)
        buttons.append(button(name, (x, y), "ChangeScene", scene,
                              states=(scene + "Default", scene + "Hover", scene + "Select")))
    buttons.append(button("Back", art.LEVEL_BACK, "ChangeScene", "playerselect"))
    return {"Backdrop.xml": background("frontend_levelselect"),
            "UILevelMenu.xml": archetype("UILevelMenu", "levelselect", button_list("level1_1", buttons))}


# Index order is build order: the backdrop first (drawn first in its layer),
# the cursor last (drawn over everything).
SCENES = {"splash": (splash, []), "mainmenu": (main_menu, [CURSOR]), "playerselect": (player_select, [CURSOR]),
          "levelselect": (level_select, [CURSOR])}
ORDER = ["Backdrop.xml", "Fader.xml", "OptionsPanel.xml", "UIMainMenu.xml", "UIOptions.xml", "UIMusicSpeaker.xml",
         "UISoundSpeaker.xml", "UIMusicKnob.xml", "UISoundKnob.xml", "Controller1.xml", "Controller2.xml",
         "RoleSelector.xml", "Caption.xml", "UIPlayerMenu.xml", "UILevelMenu.xml"]


def write(path, content):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as file:
        file.write(content)


def main():
    write(os.path.join(RESOURCES, "archetypes", "UIMouse.xml"),
          archetype("UIMouse", "cursor", image("ui_cursor", (48, 48), "Default") + "  <UIMouse><i int=\"0\"/></UIMouse>\n"))
    for scene, (build, shared) in SCENES.items():
        folder = os.path.join(RESOURCES, scene)
        files = build()
        for old in os.listdir(folder) if os.path.isdir(folder) else []:
            if old.endswith(".xml") and old not in files:
                os.remove(os.path.join(folder, old))
        for name, content in files.items():
            write(os.path.join(folder, name), content)
        write_index(os.path.join(folder, scene + ".scene"), sorted(files, key=ORDER.index) + shared)
    return 0


if __name__ == "__main__":
    sys.exit(main())
