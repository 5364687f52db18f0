#!/usr/bin/env bash
# The menu's sounds reach the audio output of the real game. SDL's "disk"
# audio driver writes everything the game plays to a raw file, read by
# tests/e2e/data/menu_sound/audio.py. The scenes come from archetype files
# (tests/e2e/data/menu_sound/) in a temporary copy of Resources/:
#   splash    a blue title card and a list without buttons whose select key
#             changes to the main menu
#   mainmenu  a green bar, a list without buttons whose select key opens
#             the hidden menu "soundmenu" in its place, and that menu with
#             the buttons Resume (no action), Fullscreen (FullScreenToggle)
#             and Quit
# Until the menu opens nothing has the focus and the output is silent. The
# menu's first focus and every focus move play "Button_Hover" once (a short
# burst), a press plays "Button_Selected" (a longer one): the shipped sound
# files tell them apart by length. Fullscreen takes the window from the
# origin to its windowed place and back; Quit ends the game with status 0
# and a log without errors. Music would cover the effects, so every track
# of the copy's music list is a silent file. A failing step leaves its
# screen shot beside the build.
# Usage: menu_sound.sh <corvidale binary> <source root>
set -euo pipefail
BINARY="$(realpath "$1")"
SOURCE_ROOT="$2"
source "$(dirname "$0")/game_session.bash"
source "$(dirname "$0")/screen.bash"
source "$(dirname "$0")/player_steps.bash"
prepare_player_steps menu_sound
AUDIO_TOOL="$DATA/audio.py"

# --- Scenes ------------------------------------------------------------------

# Every track of the music list plays a second of silence instead.
silence_music() {
  local quiet="Resources/music/e2e_quiet.wav"
  "$PYTHON" - "$WORK/$quiet" <<'PYTHON' || fail "cannot write the silent track"
import sys, wave
with wave.open(sys.argv[1], "wb") as track:
    track.setnchannels(2)
    track.setsampwidth(2)
    track.setframerate(44100)
    track.writeframes(bytes(44100 * 4))
PYTHON
  awk -v quiet="$quiet" '{ for (i = 1; i < NF; i += 2) print $i, quiet }' "$SOURCE_ROOT/Resources/BGM.txt" \
    >"$WORK/Resources/BGM.txt"
}

TITLE_BLUE="38 140 217"
BAR_GREEN="51 191 77"
RESUME_Y=100
FULLSCREEN_Y=0
QUIT_Y=-100

splash_shown() { shows_colour 0 140 "$TITLE_BLUE"; }
mainmenu_shown() { shows_colour -320 0 "$BAR_GREEN"; }
# The main menu before its buttons are opened: no button drawn.
menu_closed() {
  mainmenu_shown && shows_colour 0 "$RESUME_Y" "0 0 0" && shows_colour 0 "$FULLSCREEN_Y" "0 0 0" \
    && shows_colour 0 "$QUIT_Y" "0 0 0"
}
menu_open() { mainmenu_shown && ! shows_colour 0 "$RESUME_Y" "0 0 0"; }

# Faces of the button art, taken from the main menu once it is on screen.
FOCUS_FACE=""
PLAIN_FACE=""
menu_focus_at() { mainmenu_shown && focus_only_at "$1" "$RESUME_Y" "$FULLSCREEN_Y" "$QUIT_Y"; }
focus_resume() { menu_focus_at "$RESUME_Y"; }
focus_fullscreen() { menu_focus_at "$FULLSCREEN_Y"; }
focus_quit() { menu_focus_at "$QUIT_Y"; }

# --- Sound ---------------------------------------------------------------------

# Each start of the game writes its output into an emptied file.
empty_sound_output() { : >"$SOUND_FILE"; }

sound_bytes() { stat -c %s "$SOUND_FILE"; }

# The shipped Button_Hover lasts 0.07 s and Button_Selected 0.24 s; a burst
# is one of them played once (a sound started every frame would run on for
# as long as its cause lasts).
burst_kind() {
  awk -v s="$1" 'BEGIN {
    if (s >= 0.03 && s <= 0.15) print "hover"
    else if (s >= 0.16 && s <= 0.40) print "selected"
    else print "unknown"
  }'
}

# Where the last checked burst ended: the next one is looked for after it.
HEARD_UNTIL=0

# Waits for exactly one complete burst of the kind $2 after HEARD_UNTIL that
# starts no earlier than the byte $1 (the output's size before the key); $3
# names the step. Moves HEARD_UNTIL past it.
expect_burst() {
  local from="$1" kind="$2" step="$3" deadline=$(($(tenths_now) + 100 * TIME_SCALE)) lines=""
  while :; do
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended while waiting for the sound of: $step"
    lines="$("$PYTHON" "$AUDIO_TOOL" bursts "$SOUND_FILE" "$HEARD_UNTIL")" || fail "cannot read the sound output"
    # Done once a burst has ended with some silence after it.
    [ -n "$lines" ] && [ "$(awk 'NR == 1 {print $5}' <<<"$lines")" = 1 ] && break
    [ "$(tenths_now)" -lt "$deadline" ] || fail "$step: no complete sound within $((10 * TIME_SCALE)) s (bursts: ${lines:-none})"
    sleep 0.2
  done
  local start end seconds peak
  read -r start end seconds peak _ <<<"$(head -n1 <<<"$lines")"
  [ "$start" -ge $((from - 512)) ] \
    || fail "$step: a sound at byte $start came before the key (output was $from bytes then)"
  [ "$(burst_kind "$seconds")" = "$kind" ] \
    || fail "$step: expected one $kind sound, heard $seconds s at peak $peak (bursts: $lines)"
  [ "$(wc -l <<<"$lines")" -eq 1 ] || fail "$step: more than one sound (bursts: $lines)"
  HEARD_UNTIL="$end"
}

# --- Window ----------------------------------------------------------------------

# "X Y WxH" of the game window.
window_place() {
  xwininfo -id "$WINDOW" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x " " y " " w "x" h}'
}

GAME_SIZE=1280x720
at_origin() { [ "$1" = "0 0 $GAME_SIZE" ]; }
off_origin() { [ "$1" != "0 0 $GAME_SIZE" ] && [ "${1##* }" = "$GAME_SIZE" ]; }
fullscreen_now() { at_origin "$(window_place)"; }
windowed_now() { off_origin "$(window_place)"; }

# --- The walk ----------------------------------------------------------------------

copy_resources
install_scenes splash mainmenu
silence_music
MENU_DOWN="$(bound_key menu_down_1)"
MENU_SELECT="$(bound_key menu_select_1)"

SOUND_FILE="$WORK/sound.raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$SOUND_FILE"
# Keep the pointer off the buttons: a pointer over a button takes the focus.
xdotool mousemove 0 0 2>/dev/null || true
start_game_with_window empty_sound_output
screen_watch_window
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true

# The output so far (at least a second more than when this is called, as
# 16-bit stereo; half that as float) is silence. Sets BEFORE_KEY to its size.
expect_silence_so_far() {
  local floor=$(($(sound_bytes) + 44100 * 4))
  for _ in $(seq $((100 * TIME_SCALE))); do
    [ "$(sound_bytes)" -ge "$floor" ] && break
    sleep 0.1
  done
  BEFORE_KEY="$(sound_bytes)"
  [ "$BEFORE_KEY" -ge "$floor" ] || fail "the sound output did not grow by a second in $((10 * TIME_SCALE)) s ($BEFORE_KEY bytes)"
  local peak
  peak="$("$PYTHON" "$AUDIO_TOOL" peak "$SOUND_FILE" "$BEFORE_KEY")" || fail "cannot read the sound output"
  awk -v p="$peak" 'BEGIN { exit !(p < 0.001) }' || fail_with_shot "$1: the output is not silent (peak $peak)"
  HEARD_UNTIL="$BEFORE_KEY"
}

# The splash (a splash that moves on by itself goes straight to the main
# menu) is silent; its select key leads to the main menu.
scene_up() { splash_shown || mainmenu_shown; }
wait_until scene_up || fail_with_shot "neither the splash's title card nor the main menu within 10 s"
if splash_shown; then
  settle
  expect_silence_so_far "before the first key"
  splash_still_shown() { splash_shown; }
  press_until "$MENU_SELECT" splash_still_shown menu_closed "select leads to the main menu"
fi

# The main menu with its buttons closed is silent too; select opens them,
# and the first focus plays the hover sound once.
WAIT_TENTHS=100 wait_until menu_closed || fail_with_shot "the main menu shows buttons before they were opened"
settle
expect_silence_so_far "before the menu opened"
press_until "$MENU_SELECT" menu_closed menu_open "select opens the menu's buttons"
expect_burst "$BEFORE_KEY" hover "the menu's first focus"
screen_grab
FOCUS_FACE="$(colour_at 0 "$RESUME_Y")"
PLAIN_FACE="$(colour_at 0 "$QUIT_Y")"
colours_match "$FOCUS_FACE" "$PLAIN_FACE" 20 \
  && fail_with_shot "the focused Resume button ($FOCUS_FACE) looks like the plain Quit button ($PLAIN_FACE)"
focus_resume || fail_with_shot "Resume is not the only focused button"

# Moving the focus plays the hover sound once.
mark="$(sound_bytes)"
press_until "$MENU_DOWN" focus_resume focus_fullscreen "down from Resume focuses Fullscreen"
expect_burst "$mark" hover "down from Resume to Fullscreen"

# The game starts fullscreen: a borderless window of the configured size at
# the origin (the test display has no mode of that size to switch to). A
# press plays the selected sound and leaves fullscreen for the windowed
# place; a second press goes back.
at_origin "$(window_place)" || fail_with_shot "the fullscreen window is at $(window_place), not 0 0 $GAME_SIZE"
SCREEN_SIZE="$(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')"
[ "$SCREEN_SIZE" != "$GAME_SIZE" ] || fail "the screen ($SCREEN_SIZE) must be larger than the game window"
mark="$(sound_bytes)"
press_until "$MENU_SELECT" fullscreen_now windowed_now "pressing Fullscreen leaves fullscreen"
expect_burst "$mark" selected "pressing Fullscreen (leave)"
screen_watch_window
WAIT_TENTHS=30 wait_until focus_fullscreen || fail_with_shot "the focus left Fullscreen after its press"
mark="$(sound_bytes)"
press_until "$MENU_SELECT" windowed_now fullscreen_now "pressing Fullscreen again returns to fullscreen"
expect_burst "$mark" selected "pressing Fullscreen (enter)"
screen_watch_window
WAIT_TENTHS=30 wait_until focus_fullscreen || fail_with_shot "the focus left Fullscreen after its second press"

# Down to Quit (hover once), and Quit ends the game through the quit path.
mark="$(sound_bytes)"
press_until "$MENU_DOWN" focus_fullscreen focus_quit "down from Fullscreen focuses Quit"
expect_burst "$mark" hover "down from Fullscreen to Quit"
quit_by_key "$MENU_SELECT" focus_quit
if grep -qi 'no sound device' "$WORK/game.log"; then fail "the game found no sound device with the disk driver"; fi
echo "PASS: silent until the first key; the first focus and each focus move play the hover sound once, each press the selected sound; Fullscreen leaves and re-enters fullscreen; Quit ends with status 0"
