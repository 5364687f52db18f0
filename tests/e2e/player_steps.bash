# What a player does to the real game, as steps for the end-to-end walks:
# scenes installed from archetype folders, waiting on screen shots, keys and
# the pointer, starting the game with its window. Sourced after
# game_session.bash and screen.bash; defines functions only.
# A walk calls prepare_player_steps <name> first: it sets DATA to the walk's
# archetype folder (tests/e2e/data/<name>) and FAILURE_SHOT to the place of
# the screen shot a failing step leaves beside the build.

prepare_player_steps() {
  DATA="$(cd "$(dirname "${BASH_SOURCE[0]}")/data/$1" && pwd)" || fail "no archetype folder data/$1"
  local build_dir
  build_dir="$(cd "$(dirname "$BINARY")/.." && pwd)"
  FAILURE_SHOT="$build_dir/e2e_$1_failure.png"
  rm -f "$FAILURE_SHOT"
  command -v "$PYTHON" >/dev/null || fail "$PYTHON is missing"
}

# Fails with the current screen kept as a PNG in the build folder.
fail_with_shot() {
  screen_keep_png "$FAILURE_SHOT" && set -- "$1 (screen shot: $FAILURE_SHOT)"
  fail "$1"
}

# --- Scenes -------------------------------------------------------------------

# Replaces the scene $2 of the Resources/ copy with the archetype files of
# the folder $1, listed in a fresh index file.
install_scene_from() {
  local source="$1" scene="$2" folder="$WORK/Resources/$2" names=() file
  rm -rf "$folder"
  mkdir -p "$folder"
  for file in "$source/"*.xml; do
    cp "$file" "$folder/"
    names+=("$(basename "$file")")
  done
  "$PYTHON" "$SOURCE_ROOT/tools/sceneindex.py" write "$folder/$scene.scene" "${names[@]}" \
    || fail "cannot write the index of $scene"
}

# Each scene named takes the archetypes of its own folder in DATA.
install_scenes() {
  local scene
  for scene in "$@"; do install_scene_from "$DATA/$scene" "$scene"; done
}

# --- Waiting ------------------------------------------------------------------

tenths_now() { echo $((${EPOCHREALTIME/[.,]/} / 100000)); }

# Polls fresh shots every $WAIT_POLL_SECONDS (0.1 by default) until the test
# "$@" holds; false after $WAIT_TENTHS (100 by default) tenths of a second,
# times TIME_SCALE. The game must keep running.
wait_until() {
  local deadline=$(($(tenths_now) + ${WAIT_TENTHS:-100} * TIME_SCALE))
  while :; do
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended while waiting for: $*"
    screen_grab
    "$@" && return 0
    [ "$(tenths_now)" -lt "$deadline" ] || return 1
    sleep "${WAIT_POLL_SECONDS:-0.1}"
  done
}

# Polls like wait_until until the test "$@" has held on no shot for
# $GONE_TENTHS (8 by default) tenths of a second: a sign that moves with its
# animation or hides a moment behind someone is not taken for gone. The
# span is not stretched for the sanitizer build: it must stay shorter than
# the game's own short pauses (a dish is free for about a second between
# two guests' meals). False after $WAIT_TENTHS, as wait_until.
wait_until_gone() {
  SEEN_AT="$(tenths_now)"
  wait_until gone_a_while "$@"
}
gone_a_while() {
  if "$@"; then SEEN_AT="$(tenths_now)"; fi
  [ $(($(tenths_now) - SEEN_AT)) -ge "${GONE_TENTHS:-8}" ]
}

# Once a fade-in has uncovered the screen the game re-enables input one
# frame later; a short pause keeps the next key clear of that frame.
settle() { pause_tenths 3; }

# --- Keys and the pointer -----------------------------------------------------

# The X key name for a key word of the binding files.
x_key_for() {
  case "$1" in
    [A-Z]) tr '[:upper:]' '[:lower:]' <<<"$1" ;;
    [0-9]) echo "$1" ;;
    SPACE) echo space ;;
    ENTER) echo Return ;;
    UP | DOWN | LEFT | RIGHT) echo "${1:0:1}$(tr '[:upper:]' '[:lower:]' <<<"${1:1}")" ;;
    TAB) echo Tab ;;
    BACKSPACE) echo BackSpace ;;
    LSHIFT) echo Shift_L ;;
    RSHIFT) echo Shift_R ;;
    LCTRL) echo Control_L ;;
    RCTRL) echo Control_R ;;
    SLASH) echo slash ;;
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

# Holds the left mouse button for a few frames.
mouse_tap() {
  xdotool mousedown 1
  sleep 0.15
  xdotool mouseup 1
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

# Taps key $1 until the test $3 holds. A tap that the game missed leaves
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
  fail_with_shot "$step: not seen within $((10 * TIME_SCALE)) s of pressing $key"
}

# --- Menus --------------------------------------------------------------------

# True when, in the last shot, the button at world y = $1 shows FOCUS_FACE
# and every other button of the list at x = 0 (the y values $2...) shows
# PLAIN_FACE. The walk takes both faces off the screen first.
focus_only_at() {
  local focused="$1" y
  shift
  for y in "$@"; do
    if [ "$y" -eq "$focused" ]; then
      shows_colour 0 "$y" "$FOCUS_FACE" || return 1
    else
      shows_colour 0 "$y" "$PLAIN_FACE" || return 1
    fi
  done
}

# Presses the focused Quit button with the key $1 and expects the game to
# end through its quit path with status 0 and no "Error" line in its log.
# A press the game missed is repeated once while the test $2 (Quit focused)
# still holds.
quit_by_key() {
  tap "$1"
  wait_for_exit 100
  if [ -z "$STATUS" ]; then
    screen_grab
    "$2" && tap "$1" && wait_for_exit 100
  fi
  [ -n "$STATUS" ] || fail_with_shot "the game was still running $((10 * TIME_SCALE)) s after pressing Quit"
  [ "$STATUS" -eq 0 ] || fail "Quit ended the game with status $STATUS"
  if grep -q '^Error' "$WORK/game.log"; then fail "the game reported errors"; fi
}

# --- Starting -----------------------------------------------------------------

# Starts the game and sets WINDOW to its window, running the command "$@"
# (if any) before each start. SDL is held to X: without that, an X
# connection refused at start (seen on a heavily loaded test display) would
# leave the game running on SDL's window-less fallback. A refused connection
# is the display's trouble, not the game's, so the game is started again, up
# to three times in all.
# shellcheck disable=SC2120  # the command is optional
start_game_with_window() {
  export SDL_VIDEODRIVER=x11
  for _ in 1 2 3; do
    if [ "$#" -gt 0 ]; then "$@"; fi
    start_game
    WINDOW=""
    for _tick in $(seq $((100 * TIME_SCALE))); do
      WINDOW="$(xdotool search --onlyvisible --pid "$GAME_PID" --name '^CORVIDALE$' 2>/dev/null | head -n1 || true)"
      [ -n "$WINDOW" ] && return 0
      kill -0 "$GAME_PID" 2>/dev/null || break
      sleep 0.2
    done
    [ -z "$WINDOW" ] && kill -0 "$GAME_PID" 2>/dev/null && fail "no visible window titled CORVIDALE within $((20 * TIME_SCALE)) s"
    wait_for_exit 1
    grep -q 'x11 not available' "$WORK/game.log" || fail "the game ended (status $STATUS) before its window appeared"
    echo "note: the X display refused the game's connection; starting it again" >&2
  done
  fail "the X display refused the game's connection three times"
}

# --- The front end's key path ---------------------------------------------------

# The front end's faces: a focused button (its face 12 pixels inside the left
# edge of the 260-wide button, tools/make_frontend_art.py) and the player
# select's role markers.
front_focused() { shows_colour $(($1 - 118)) "$2" "104 66 118"; }
front_on_play() { front_focused 0 60; }
front_select_on_play() { front_focused 0 -180; }
front_detective_taken() { front_select_on_play && shows_colour -412 20 "222 161 46"; }
front_roles_taken() { front_detective_taken && shows_colour 348 20 "64 170 176"; }

# Each splash page (tools/make_frontend_art.py) carries a line of the UI
# text's own gold: the title under the crow, the players' page its heading
# (where the main menu has its own). It shows that colour only once the
# scene's fade and the page's own fade-in are over, and the splash takes
# keys from the end of the scene's fade.
splash_page_shown() {
  [ "$(pixels_of_kind -300 -50 300 -30 gold)" -gt 2000 ] || [ "$(pixels_of_kind -300 210 300 230 gold)" -gt 2000 ]
}

# Space held through the splash skips it and is used up there: it goes down
# once a page is shown and stays down until the test $1 (the main menu on
# Play) holds, and into the main menu's first frames. A splash that has
# moved on by itself meanwhile leaves nothing to skip.
skip_splash_holding_space() {
  SPLASH_NEXT="$1"
  splash_or_next() { "$SPLASH_NEXT" || splash_page_shown; }
  xdotool windowfocus "$WINDOW" 2>/dev/null || true
  WAIT_TENTHS=300 wait_until splash_or_next || fail_with_shot "neither a splash page nor the main menu was shown"
  xdotool keydown space
  WAIT_TENTHS=200 wait_until "$1" || { xdotool keyup space; fail_with_shot "Space did not skip the splash"; }
  pause_tenths 5
  xdotool keyup space
  settle
}

# --- A match's opening --------------------------------------------------------

# The Detective's arrival countdown slides in under the HUD bar: the UI
# text's own gold, which nothing else in the room shows.
countdown_shown() { [ "$(pixels_of_kind -640 60 0 200 gold)" -gt 800 ]; }
countdown_gone() { ! countdown_shown; }

# From a fresh start to the player select with both roles taken: Space held
# through the splash, Space on Play, A for player 1 (the Detective) and the
# Right arrow for player 2 (the Killer).
walk_to_roles() {
  skip_splash_holding_space front_on_play
  press_until space front_on_play front_select_on_play "Play opens the player select"
  press_until a front_select_on_play front_detective_taken "A makes player 1 the Detective"
  press_until Right front_detective_taken front_roles_taken "Right makes player 2 the Killer"
}
