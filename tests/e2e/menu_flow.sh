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
DATA="$(cd "$(dirname "$0")/data/menu_flow" && pwd)"
BUILD_DIR="$(cd "$(dirname "$BINARY")/.." && pwd)"
FAILURE_SHOT="$BUILD_DIR/e2e_menu_flow_failure.png"
rm -f "$FAILURE_SHOT"
command -v "$PYTHON" >/dev/null || fail "$PYTHON is missing"

# Fails with the current screen kept as a PNG in the build folder.
fail_with_shot() {
  screen_keep_png "$FAILURE_SHOT" && set -- "$1 (screen shot: $FAILURE_SHOT)"
  fail "$1"
}

# --- Scenes -----------------------------------------------------------------

install_scenes() {
  local scene
  for scene in splash mainmenu levelselect; do
    local folder="$WORK/Resources/$scene"
    mkdir -p "$folder"
    local names=() file
    for file in "$DATA/$scene/"*.xml; do
      cp "$file" "$folder/"
      names+=("$(basename "$file")")
    done
    "$PYTHON" "$SOURCE_ROOT/tools/sceneindex.py" write "$folder/$scene.scene" "${names[@]}" \
      || fail "cannot write the index of $scene"
  done
}

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
menu_focus_at() {
  mainmenu_shown || return 1
  local y
  for y in "$PLAY_Y" "$OPTIONS_Y" "$QUIT_Y"; do
    if [ "$y" -eq "$1" ]; then
      shows_colour 0 "$y" "$FOCUS_FACE" || return 1
    else
      shows_colour 0 "$y" "$PLAIN_FACE" || return 1
    fi
  done
}

# --- Waiting and keys ---------------------------------------------------------

# Polls fresh shots until the test "$@" holds; false after $WAIT_TENTHS tenths
# of a second. The game must keep running.
WAIT_TENTHS=100
tenths_now() { echo $((${EPOCHREALTIME/[.,]/} / 100000)); }
wait_until() {
  local deadline=$(($(tenths_now) + WAIT_TENTHS))
  while :; do
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended while waiting for: $*"
    screen_grab
    "$@" && return 0
    [ "$(tenths_now)" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Once a fade-in has uncovered the screen the game re-enables input one
# frame later; a short pause keeps the next key clear of that frame.
settle() { sleep 0.3; }

# The X key name for a key word of the binding files.
x_key_for() {
  case "$1" in
    [A-Z]) tr 'A-Z' 'a-z' <<<"$1" ;;
    [0-9]) echo "$1" ;;
    SPACE) echo space ;;
    ENTER) echo Return ;;
    UP | DOWN | LEFT | RIGHT) echo "${1:0:1}$(tr 'A-Z' 'a-z' <<<"${1:1}")" ;;
    TAB) echo Tab ;;
    BACKSPACE) echo BackSpace ;;
    *) fail "no X key known for the key word '$1'" ;;
  esac
}

# The X key bound to the action $1 (composed name, e.g. menu_select_1).
bound_key() {
  local word
  word="$(awk -v action="$1" '{ for (i = 1; i < NF; i += 2) if ($i == action) { print $(i + 1); exit } }' \
    "$WORK/Resources/Keyboard_Actions.txt")"
  [ -n "$word" ] || fail "Keyboard_Actions.txt binds no key to $1"
  x_key_for "$word"
}

# Holds the key for a few frames: the game reads keys once per frame.
tap() {
  xdotool windowfocus "$WINDOW" 2>/dev/null || true
  xdotool keydown "$1"
  sleep 0.15
  xdotool keyup "$1"
}

# Moves the pointer onto the button $1 at world y = $2 (in two steps, as a
# hand does: the first motion into the window may go unreported) and waits
# for the test $4; $3 is the test for the screen before.
point_at() {
  local x=$((SHOT_X + SHOT_W / 2)) y=$((SHOT_Y + SHOT_H / 2 - $2))
  "$3" || fail_with_shot "before pointing at $1"
  xdotool mousemove "$x" $((y + 3))
  sleep 0.1
  xdotool mousemove "$x" "$y"
  WAIT_TENTHS=30 wait_until "$4" || fail_with_shot "the pointer on $1 did not give it the focus"
}

# Holds the left mouse button for a few frames.
mouse_tap() {
  xdotool mousedown 1
  sleep 0.15
  xdotool mouseup 1
}

# Taps key $1 until the test $3... holds. A tap that the game missed leaves
# the screen as it was (the test $2 still holds), so only then is it tapped
# again; anything else is waited for. $4 names the step.
press_until() {
  local key="$1" before="$2" after="$3" step="$4"
  for _ in 1 2 3; do
    tap "$key"
    WAIT_TENTHS=15 wait_until "$after" && { settle; return 0; }
    screen_grab
    "$before" || break
  done
  WAIT_TENTHS=100 wait_until "$after" && { settle; return 0; }
  fail_with_shot "$step: not seen within 10 s of pressing $key"
}

# Starts the game and sets WINDOW to its window. SDL is held to X: without
# that, an X connection refused at start (seen on a heavily loaded test
# display) would leave the game running on SDL's window-less fallback. A
# refused connection is the display's trouble, not the game's, so the game
# is started again, up to three times in all.
start_game_with_window() {
  export SDL_VIDEODRIVER=x11
  for _ in 1 2 3; do
    start_game
    WINDOW=""
    for _tick in $(seq 100); do
      WINDOW="$(xdotool search --onlyvisible --pid "$GAME_PID" --name '^CORVIDALE$' 2>/dev/null | head -n1 || true)"
      [ -n "$WINDOW" ] && return 0
      kill -0 "$GAME_PID" 2>/dev/null || break
      sleep 0.2
    done
    [ -z "$WINDOW" ] && kill -0 "$GAME_PID" 2>/dev/null && fail "no visible window titled CORVIDALE within 20 s"
    wait_for_exit 1
    grep -q 'x11 not available' "$WORK/game.log" || fail "the game ended (status $STATUS) before its window appeared"
    echo "note: the X display refused the game's connection; starting it again" >&2
  done
  fail "the X display refused the game's connection three times"
}

# --- The walk -------------------------------------------------------------------

copy_resources
install_scenes
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
tap "$MENU_SELECT_1"
wait_for_exit 50
if [ -z "$STATUS" ]; then
  screen_grab
  focus_quit && tap "$MENU_SELECT_1" && wait_for_exit 50
fi
[ -n "$STATUS" ] || fail_with_shot "the game was still running 5 s after pressing Quit"
[ "$STATUS" -eq 0 ] || fail "Quit ended the game with status $STATUS"
if grep -q '^Error' "$WORK/game.log"; then fail "the game reported errors"; fi
echo "PASS: splash, main menu focus by keys (both players) and by pointer, options panel opened by click and closed by key, Play and Back change scenes, Quit ends with status 0"
