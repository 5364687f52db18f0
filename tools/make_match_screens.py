#!/usr/bin/env python3
"""Write the match's shared screen objects to Resources/archetypes/.

Every match level lists these files in its index as "../archetypes/NAME.xml":
the black screen of the outro, the HUD (kills against the target, panic
strikes against the chances, the Detective's arrival countdown), the two
winner panels and the pause panel with its options page. Layout numbers
live here; run the script again after changing them:

  /usr/bin/python3 tools/make_match_screens.py
"""
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "Resources", "archetypes")

# How a player goes on from a winner panel: the "pause_game" action of
# either player (Resources/Keyboard_Actions.txt and the pads' Start).
GO_ON = "Tab, Backspace or Start: back to the main menu"


def field(name, type_word, value):
    return '    <%s %s="%s"/>\n' % (name, type_word, value)


def vec(*values):
    return ",".join("%g" % v for v in values)


def archetype(name, tag, position, components, enabled=True):
    return ('<?xml version="1.0" ?>\n<Archetype>\n'
            '  <Enabled bool="%s"/>\n  <Name string="%s"/>\n  <Tag string="%s"/>\n'
            '  <Transform><position Vec3="%s"/><scale Vec3="1,1,1"/><rotation float="0"/></Transform>\n'
            '%s</Archetype>\n') % ("true" if enabled else "false", name, tag, vec(*position, 0), "".join(components))


def component(kind, fields):
    return "  <%s>\n%s  </%s>\n" % (kind, "".join(fields), kind)


def sprite(size, colour, layer, texture, animation=None):
    fields = [field("position", "Vec2", "0,0"), field("size", "Vec2", vec(*size)),
              field("color", "Vec4", vec(*colour)), field("layer", "unsigned", layer),
              field("textureID", "string", texture)]
    if animation:
        fields.append(field("currentAnimSet", "string", animation))
    return component("Sprite", fields)


def image(position, size, texture, animation):
    return component("UIImage", [field("position", "Vec2", vec(*position)), field("size", "Vec2", vec(*size)),
                                 field("textureID", "string", texture), field("animSet", "string", animation)])


def text(position, lines, scale, spacing=1, background=None, margins=(0, 0)):
    fields = [field("position", "Vec2", vec(*position))]
    if background:
        fields += [field("usebackground", "string", background), field("leftMargin", "float", margins[0]),
                   field("rightMargin", "float", margins[1])]
    fields += [field("text", "string", "\\n".join(lines)), field("textScale", "float", scale),
               field("textdisplayType", "string", "Static"), field("spacebetweenlines", "unsigned", spacing)]
    return component("UIText", fields)


def counter(position, variable, prefix, postfix, scale):
    return component("UIStattrak", [field("position", "Vec2", vec(*position)),
                                    field("trakVariable", "string", variable), field("maxVariable", "string", ""),
                                    field("trakType", "string", "Text"), field("textScale", "float", scale),
                                    field("prefix", "string", prefix), field("postfix", "string", postfix)])


def strike_icons(position, size, step):
    return component("UIStattrak", [field("position", "Vec2", vec(*position)),
                                    field("trakVariable", "string", "panicStrikes"),
                                    field("maxVariable", "string", "panicStrikeChances"),
                                    field("trakType", "string", "Image"), field("textureSet", "string", "ui_strike"),
                                    field("imageOffset", "Vec2", vec(step, 0)), field("imageSize", "Vec2", vec(size, size)),
                                    field("imagestatechangeType", "string", "Scale"),
                                    field("imagestateActive", "string", "Active"),
                                    field("imagestateInactive", "string", "Inactive")])


def button(kind, name, texture, position, size, states, function, variable=""):
    fields = [field("buttonType", "string", kind), field("buttonName", "string", name),
              field("buttontextureSet", "string", texture), field("position", "Vec2", vec(*position)),
              field("size", "Vec2", vec(*size)), field("defaultState", "string", states[0]),
              field("hoverState", "string", states[1]), field("selectState", "string", states[2]),
              field("useFunction", "string", function), field("sysVariable", "string", variable)]
    return "    <Button>\n" + "".join("  " + f for f in fields) + "    </Button>\n"


def button_list(default, buttons):
    on_press = ("    <onPress>\n"
                '      <menu_up><useFunction string="PrevButton"/><sysVariable string=""/></menu_up>\n'
                '      <menu_down><useFunction string="NextButton"/><sysVariable string=""/></menu_down>\n'
                '      <menu_select><useFunction string="SelectButton"/><sysVariable string=""/></menu_select>\n'
                "    </onPress>\n")
    return ("  <UIButtonlist>\n" + field("defaultButton", "string", default) +
            field("savelastSelected", "bool", "false") + on_press + "".join(buttons) + "  </UIButtonlist>\n")


PLAIN_BUTTON = ("Default", "Hover", "Select")


def screens():
    files = {}
    # The outro fades the room to black under the players (layer 8) and the
    # effects (layer 7).
    files["BlackScreen"] = archetype("BlackScreen", "untagged", (0, 0),
                                     [sprite((8000, 6000), (0, 0, 0, 0), 6, "blank")], enabled=False)

    # The HUD along the top edge: kills against the target on the left,
    # panic strikes against the chances on the right (room for fourteen
    # strike marks). The bar draws on
    # layer 9 under the texts; its name keeps it off the menu layers. It
    # reaches past the window's edges into the floor's margin, which the
    # match's slightly wider view shows round the bar.
    files["HudBar"] = archetype("HudBar", "hud", (0, 332), [
        image((0, 0), (1344, 68), "ui_hudbar", "Default"),
        text((-40, -12), ["PANIC STRIKES"], 0.5)])
    files["HudKills"] = archetype("HudKills", "hud", (-610, 320), [counter((0, 0), "Kills", "KILLS ", "", 0.6)])
    files["HudKillTarget"] = archetype("HudKillTarget", "hud", (-440, 320),
                                       [counter((0, 0), "MaxKills", "OF ", " TO WIN", 0.6)])
    files["HudStrikes"] = archetype("HudStrikes", "hud", (0, 330), [strike_icons((200, 0), 30, 32)])

    # The Detective's arrival countdown; the match slides it in from the
    # left when the first guest dies and out again when the Detective walks
    # in. Its text sits on the dark carpet, clear of the siren icon (which
    # draws over texts), and is short enough to hide fully off the left edge.
    files["UIDetectiveHUD"] = archetype("UIDetectiveHUD", "hud", (-330, 160), [
        image((-600, 0), (60, 40), "Siren", "Siren"),
        counter((-725, -45), "entryTime", "DETECTIVE IN ", " s", 0.6)])

    # The winner panels drop in from above; the menu of the same name
    # switches them on.
    files["DWinPanel"] = archetype("DWinPanel", "DWinPanel", (0, 500), [
        text((-330, 60), ["THE DETECTIVE WINS", "", "The Killer was arrested", "and led away.", "", GO_ON], 0.55,
             background="ui_matchpanel", margins=(40, 40))], enabled=False)
    files["KWinPanel"] = archetype("KWinPanel", "KWinPanel", (0, 500), [
        text((-330, 90), ["THE KILLER WINS", "", "The kills reached the target", "or the panic strikes ran out.",
                          "", "", "", GO_ON], 0.55, background="ui_matchpanel", margins=(40, 40)),
        strike_icons((-150, -45), 30, 32)], enabled=False)

    # Pause: a backdrop, the buttons and their captions. None of the names
    # holds "UI", "Menu" or "Panel", so everything draws on layer 9 and the
    # captions (texts) land on top of the buttons.
    rows = [144, 72, 0, -72, -144]
    files["PauseBackdrop"] = archetype("PauseBackdrop", "PausePanel", (0, 0), [
        image((0, 10), (420, 470), "ui_matchpanel", "Default"),
        text((-60, 190), ["PAUSED"], 0.7)], enabled=False)
    files["PauseButtons"] = archetype("PauseButtons", "PausePanel", (0, -20), [button_list("Resume", [
        button("Default", "Resume", "ui_button", (0, rows[0]), (240, 60), PLAIN_BUTTON, "TogglePause"),
        button("Default", "Restart", "ui_button", (0, rows[1]), (240, 60), PLAIN_BUTTON, "ResetThisScene"),
        button("Default", "Options", "ui_button", (0, rows[2]), (240, 60), PLAIN_BUTTON, "MenuOverwrite",
               "PauseOptions"),
        button("Default", "MainMenu", "ui_button", (0, rows[3]), (240, 60), PLAIN_BUTTON, "ChangeScene", "mainmenu"),
        button("Default", "Quit", "ui_button", (0, rows[4]), (240, 60), PLAIN_BUTTON, "QuitGame", "quit")])],
        enabled=False)
    files["PauseCaptions"] = archetype("PauseCaptions", "PausePanel", (-80, rows[0] - 30), [
        text((0, 0), ["RESUME", "RESTART", "OPTIONS", "MAIN MENU", "QUIT"], 0.5, spacing=3)], enabled=False)

    # The options page of the pause panel: two volume sliders with their
    # knobs, the fullscreen switch and the way back.
    files["PauseOptionsBackdrop"] = archetype("PauseOptionsBackdrop", "PauseOptions", (0, 0), [
        image((0, 10), (560, 420), "ui_matchpanel", "Default"),
        text((-90, 160), ["OPTIONS"], 0.7)], enabled=False)
    files["PauseOptionsButtons"] = archetype("PauseOptionsButtons", "PauseOptions", (80, 0), [
        button_list("Back", [
            button("Slider", "SoundVolume", "ui_slider", (0, 90), (256, 32), ("Track", "Muted", "Track"),
                   "SetVariableValue", "soundVolume"),
            button("Slider", "MusicVolume", "ui_slider", (0, 20), (256, 32), ("Track", "Muted", "Track"),
                   "SetVariableValue", "musicVolume"),
            button("Toggle", "Fullscreen", "ui_toggle", (0, -50), (56, 56), ("Off", "OffHover", "On"),
                   "FullScreenToggle", "fullscreen"),
            button("Default", "Back", "ui_button", (-250, -127), (192, 56), PLAIN_BUTTON, "MenuOverwrite",
                   "PausePanel")])], enabled=False)
    for name, row in (("SoundVolumeKnob", 90), ("MusicVolumeKnob", 20)):
        files[name] = archetype(name, "PauseOptions", (208, row), [
            image((0, 0), (36, 36), "ui_knob", "KnobDefault")], enabled=False)
    files["PauseOptionsCaptions"] = archetype("PauseOptionsCaptions", "PauseOptions", (-240, 80), [
        text((0, 0), ["SOUND", "MUSIC", "FULLSCREEN", "BACK"], 0.5, spacing=3)], enabled=False)
    return files


# The police car of the Detective's entrance. (The guests' "Panic" and
# "Emote" templates come with the guests.)
def effects():
    files = {}
    # The police car of the Detective's entrance, waiting off the left edge; drawn
    # above the guests but under the outro's black screen.
    files["Siren"] = archetype("Siren", "untagged", (-900, -240), [sprite((96, 64), (1, 1, 1, 1), 2, "Siren", "Siren")])
    return files


# The opening of a match: the first guest's forced death, then a 5-second
# countdown, the siren driving in beside the Detective's 3-second walk from
# here (down the left wall) to endPosition in the bottom-left corner, and
# the siren leaving again. Levels place a copy and may change the positions.
def entrance():
    intro = component("DetectiveIntro", [
        field("entryTime", "float", 5), field("walkTime", "float", 3),
        field("endPosition", "Vec3", "-590,-300,0"), field("detectiveTransition", "int", 2),
        field("sirenEntryTime", "float", 5), field("sirenWalkTime", "float", 2),
        field("sirenStayTime", "float", 3), field("sirenExitTime", "float", 2),
        field("sirenEnterPosition", "Vec3", "-490,-240,0"), field("sirenExitPosition", "Vec3", "-900,-240,0"),
        field("sirenEnterTransition", "int", 2), field("sirenExitTransition", "int", 1)])
    return {"DetectiveStart": archetype("DetectiveStart", "untagged", (-600, -120), [intro, "  <NPCSuicide/>\n"])}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, contents in sorted({**screens(), **effects(), **entrance()}.items()):
        with open(os.path.join(OUT, name + ".xml"), "w") as out:
            out.write(contents)
        print("wrote Resources/archetypes/%s.xml" % name)


if __name__ == "__main__":
    main()
