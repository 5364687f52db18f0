#!/usr/bin/env bash
# A player's walk through a small menu in the real game. The scenes are
# built from archetype files (tests/e2e/data/menu_flow/) through their index
# files in a temporary copy of Resources/:
#   splash       a title card (sprite), the title (text) and a Start button
#   mainmenu     a caption, a green bar and the buttons Play, Options, Quit;
#                Options swaps them for a hidden panel (caption, Close);
#                the menu remembers its last focus
#   levelselect  a red backdrop, a caption and a Back button
# Keys from Resources/Keyboard_Actions.txt move the focus (the highlighted
# button's face is read off the screen), Start and Play change the scene,
# Back returns to the rebuilt main menu, whose focus wraps from Play up to
# Quit; the pointer takes the focus and a click on Options opens the panel,
# whose Close brings the menu back; Quit ends the game with status 0. Each step waits for the
# scene fades; a failing step leaves its screen shot beside the build.
# Usage: menu_flow.sh <corvidale binary> <source root>
set -euo pipefail
BINARY="$(realpath "$1")"
SOURCE_ROOT="$2"
source "$(dirname "$0")/game_session.bash"
source "$(dirname "$0")/screen.bash"
source "$(dirname "$0")/player_steps.bash"
prepare_player_steps menu_flow

# Colours of the archetypes' tinted sprites (tint times 255).
TITLE_BLUE="38 140 217"
BAR_GREEN="51 191 77"
BACKDROP_RED="204 38 38"

# World positions of the buttons (list position plus button position).
START_Y=-160
PLAY_Y=100
OPTIONS_Y=0
CLOSE_X=350
QUIT_Y=-100
BACK_Y=-260

# Each test below looks at the last shot. A scene counts as shown once its
# sprite has its full colour, that is once the fade-in has uncovered it.
splash_shown() { shows_colour 0 140 "$TITLE_BLUE"; }
mainmenu_shown() { shows_colour -320 0 "$BAR_GREEN"; }
levelselect_shown() { shows_colour 0 "$PLAY_Y" "$BACKDROP_RED"; }

# Faces of the button art, taken from the first main menu on screen.
FOCUS_FACE=""
PLAIN_FACE=""

# True when the main menu is shown with the focus on the button at y = $1
# and the plain face on the other two.
menu_focus_at() { mainmenu_shown && focus_only_at "$1" "$PLAY_Y" "$OPTIONS_Y" "$QUIT_Y"; }

# --- The walk -------------------------------------------------------------------

copy_resources
install_scenes splash mainmenu levelselect
MENU_UP_1="$(bound_key menu_up_1)"
MENU_DOWN_1="$(bound_key menu_down_1)"
MENU_SELECT_1="$(bound_key menu_select_1)"
MENU_UP_2="$(bound_key menu_up_2)"
MENU_SELECT_2="$(bound_key menu_select_2)"

# The pointer stays in a corner, off every button: a pointer over a button
# would take the focus.
xdotool mousemove 0 0 2>/dev/null || true
start_game_with_window
screen_watch_window
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true

# Splash: title card, title text and the focused Start button. A splash
# scene that moves on by itself goes straight to the main menu instead.
scene_up() { splash_shown || mainmenu_shown; }
wait_until scene_up || fail_with_shot "neither the splash's title card nor the main menu within 10 s"
STARTED_ON_SPLASH=""
if splash_shown; then
  STARTED_ON_SPLASH=yes
  settle
  screen_grab
  TITLE_TEXT="$(pixels_of_kind -200 -40 200 40 text)"
  [ "$TITLE_TEXT" -gt 300 ] || fail_with_shot "the splash's title text is missing ($TITLE_TEXT gold pixels)"
  START_FACE="$(colour_at 0 "$START_Y")"
  [ "$(pixels_of_kind -90 $((START_Y - 25)) 90 $((START_Y + 25)) lit)" -gt 8000 ] \
    || fail_with_shot "the Start button is not drawn (its face is $START_FACE)"
  splash_still_shown() { splash_shown; }
  press_until "$MENU_SELECT_1" splash_still_shown mainmenu_shown "Start leads to the main menu"
fi

# Main menu: Play has the focus, Options and Quit the plain face.
wait_until mainmenu_shown || fail_with_shot "no main menu"
settle
screen_grab
FOCUS_FACE="$(colour_at 0 "$PLAY_Y")"
PLAIN_FACE="$(colour_at 0 "$QUIT_Y")"
colours_match "$FOCUS_FACE" "$PLAIN_FACE" 20 \
  && fail_with_shot "the focused Play button ($FOCUS_FACE) looks like the plain Quit button ($PLAIN_FACE)"
colours_match "$PLAIN_FACE" "0 0 0" 10 && fail_with_shot "the Quit button is not drawn"
shows_colour 0 "$OPTIONS_Y" "$PLAIN_FACE" || fail_with_shot "Options ($(colour_at 0 "$OPTIONS_Y")) does not look plain"
[ -z "$STARTED_ON_SPLASH" ] || colours_match "$START_FACE" "$FOCUS_FACE" 4 \
  || fail_with_shot "the splash's focused Start ($START_FACE) and the menu's focused Play ($FOCUS_FACE) differ"
CAPTION_TEXT="$(pixels_of_kind -160 200 160 280 text)"
[ "$CAPTION_TEXT" -gt 300 ] || fail_with_shot "the main menu caption is missing ($CAPTION_TEXT gold pixels)"
[ "$(pixels_of_kind 250 -40 450 140 lit)" -eq 0 ] || fail_with_shot "the hidden options panel is drawn"

# The focus moves down and up the list.
focus_play() { menu_focus_at "$PLAY_Y"; }
focus_options() { menu_focus_at "$OPTIONS_Y"; }
focus_quit() { menu_focus_at "$QUIT_Y"; }
focus_play || fail_with_shot "Play is not the only focused button"
press_until "$MENU_DOWN_1" focus_play focus_options "down from Play focuses Options"
press_until "$MENU_DOWN_1" focus_options focus_quit "down from Options focuses Quit"
press_until "$MENU_UP_1" focus_quit focus_options "up from Quit focuses Options"
press_until "$MENU_UP_1" focus_options focus_play "up from Options focuses Play"

# Play changes to the level select: red backdrop, caption, focused Back.
press_until "$MENU_SELECT_1" focus_play levelselect_shown "Play leads to the level select"
mainmenu_shown && fail_with_shot "the main menu's bar is still drawn in the level select"
shows_colour 0 "$BACK_Y" "$FOCUS_FACE" || fail_with_shot "the Back button ($(colour_at 0 "$BACK_Y")) is not focused"
LEVELS_TEXT="$(pixels_of_kind -120 230 120 300 text)"
[ "$LEVELS_TEXT" -gt 200 ] || fail_with_shot "the level select caption is missing ($LEVELS_TEXT gold pixels)"

# The second player's keys work the menus too. Back rebuilds the main menu,
# whose focus starts on Play again and wraps from the top to Quit.
press_until "$MENU_SELECT_2" levelselect_shown focus_play "Back returns to the main menu with Play focused"
press_until "$MENU_UP_2" focus_play focus_quit "up from Play wraps to Quit"

# The pointer takes the focus; a click on Options hides the menu's buttons
# and caption (not its plain sprite) and shows the options panel with Close
# focused; Close brings the menu back with the focus on Options.
main_caption_shown() { [ "$(pixels_of_kind -160 200 160 280 text)" -gt 300 ]; }
options_caption_shown() { [ "$(pixels_of_kind 250 60 450 140 text)" -gt 200 ]; }
options_open() {
  mainmenu_shown && shows_colour "$CLOSE_X" 0 "$FOCUS_FACE" && options_caption_shown \
    && ! main_caption_shown && shows_colour 0 "$PLAY_Y" "0 0 0" && shows_colour 0 "$OPTIONS_Y" "0 0 0" \
    && shows_colour 0 "$QUIT_Y" "0 0 0"
}
options_closed_on_options() {
  focus_options && main_caption_shown && ! options_caption_shown && shows_colour "$CLOSE_X" 0 "0 0 0"
}
point_at Options "$OPTIONS_Y" focus_quit focus_options
mouse_tap
WAIT_TENTHS=30 wait_until options_open || fail_with_shot "a click on Options did not swap the menu for the options panel"
xdotool mousemove 0 0
settle
press_until "$MENU_SELECT_1" options_open options_closed_on_options "Close brings the menu back with Options focused"
press_until "$MENU_DOWN_1" focus_options focus_quit "down from Options focuses Quit"

# Quit ends the game through the quit path.
quit_by_key "$MENU_SELECT_1" focus_quit
echo "PASS: splash, main menu focus by keys (both players) and by pointer, options panel opened by click and closed by key, Play and Back change scenes, Quit ends with status 0"
