#!/usr/bin/env bash
# Two players walk the shipped front end by keys: Space held through the
# splash skips it without pressing the main menu's Play; Space presses Play;
# with only player 1 on the Detective (A) Play does nothing; player 2 takes
# the Killer (Right) and Play opens the level select with level1_1 focused.
# Back returns through each screen, which remembers the roles. Options then
# lowers the music: held A moves the music slider down and SDL's disk audio
# output gets quieter. A failing step leaves its screen shot beside the build.
# Usage: front_end.sh <corvidale binary> <source root>
set -euo pipefail
BINARY="$(realpath "$1")"
SOURCE_ROOT="$2"
source "$(dirname "$0")/game_session.bash"
source "$(dirname "$0")/screen.bash"
source "$(dirname "$0")/player_steps.bash"
FAILURE_SHOT="$(cd "$(dirname "$BINARY")/.." && pwd)/e2e_front_end_failure.png"
AUDIO_TOOL="$SOURCE_ROOT/tests/e2e/data/menu_sound/audio.py"

# Button faces (tools/make_frontend_art.py), read 12 pixels inside a
# button's left edge, clear of its label; buttons are 260 wide.
PLAIN_FACE="62 38 72"
FOCUS_FACE="104 66 118"
P1_GOLD="222 161 46"
P2_TEAL="64 170 176"
face_is() { shows_colour $(($1 - 118)) "$2" "$3"; }
focused() { face_is "$1" "$2" "$FOCUS_FACE"; }
plain() { face_is "$1" "$2" "$PLAIN_FACE"; }
# A marker's badge, left of its "P1"/"P2" text.
marker_at() { shows_colour $(($1 - 32)) "$2" "$3"; }

main_on_play() { focused 0 60 && plain 0 -20 && plain 0 -100; }
main_on_options() { plain 0 60 && focused 0 -20; }
select_on_play() { focused 0 -180 && plain 0 -240 && plain 0 -300; }
select_on_back() { plain 0 -180 && focused 0 -300; }
detective_p1() { select_on_play && marker_at -380 20 "$P1_GOLD" && marker_at 0 20 "$P2_TEAL"; }
roles_taken() { marker_at -380 20 "$P1_GOLD" && marker_at 380 20 "$P2_TEAL"; }
levels_on_first() { focused -400 190 && plain -400 128 && plain -400 -318; }
levels_on_back() { plain -400 190 && focused -400 -318; }
options_open() { shows_colour -250 -220 "30 20 38" && ! main_on_play && ! main_on_options; }

copy_resources
SOUND_FILE="$WORK/sound.raw"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$SOUND_FILE"
start_game_with_window
screen_watch_window
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true

# The splash shows its pages for nine seconds; Space held from its first
# second leads to the main menu long before, and is used up there.
sleep 1.5
xdotool keydown space
WAIT_TENTHS=60 wait_until main_on_play || { xdotool keyup space; fail_with_shot "Space did not skip the splash"; }
sleep 0.5
xdotool keyup space
sleep 1.5
screen_grab
main_on_play || fail_with_shot "the Space that skipped the splash also pressed a main menu button"

press_until space main_on_play select_on_play "Play opens the player select with Play focused"
press_until a select_on_play detective_p1 "A makes player 1 the Detective"
tap space
sleep 2.5
screen_grab
detective_p1 || fail_with_shot "Play with the Killer unassigned left the player select"
press_until Right detective_p1 roles_taken "Right makes player 2 the Killer"
press_until space roles_taken levels_on_first "Play opens the level select on level1_1"

# Back through each screen; the player select still shows both roles.
press_until w levels_on_first levels_on_back "up from level1_1 wraps to Back"
back_to_select() { select_on_play && roles_taken; }
press_until space levels_on_back back_to_select "Back returns to the player select with the roles kept"
press_until w back_to_select select_on_back "up from Play wraps to Back"
press_until space select_on_back main_on_play "Back returns to the main menu"

# Options, focus on the music slider: held A turns the music down.
press_until s main_on_play main_on_options "down from Play focuses Options"
press_until space main_on_options options_open "Options opens its panel"
music_peak() {
  local from
  from="$(stat -c %s "$SOUND_FILE")"
  sleep 2
  "$PYTHON" "$AUDIO_TOOL" peak "$SOUND_FILE" "$(stat -c %s "$SOUND_FILE")" "$from"
}
BEFORE="$(music_peak)"
awk -v p="$BEFORE" 'BEGIN { exit !(p > 0.05) }' || fail "the main menu music is not playing (peak $BEFORE)"
xdotool keydown a
sleep 2.5
xdotool keyup a
AFTER="$(music_peak)"
awk -v b="$BEFORE" -v a="$AFTER" 'BEGIN { exit !(a < b * 0.6) }' \
  || fail_with_shot "the music did not get quieter after the slider moved down (peak $BEFORE, then $AFTER)"
echo "PASS: Space skips the splash once; roles by A and Right; Play waits for both; level select on level1_1; Back through each screen; Options lowers the music ($BEFORE to $AFTER)"
