#!/usr/bin/env bash
# Two players walk the shipped front end by keys: Space held through the
# splash skips it without pressing Play; Space presses Play; A (player 1) and
# Right (player 2) take the roles; Space opens the level select on level1_1.
# Back returns through each screen, which keeps the roles. Held A on the
# Options panel's music slider makes SDL's disk audio output quieter.
# Usage: front_end.sh <corvidale binary> <source root>
source "$(dirname "$0")/game_walk.bash" "$@"

# A button's face 12 pixels inside its left edge, clear of the label (260
# wide; tools/make_frontend_art.py), and a marker's badge left of its text.
focused() { shows_colour $(($1 - 118)) "$2" "104 66 118"; }
plain() { shows_colour $(($1 - 118)) "$2" "62 38 72"; }
main_on_play() { focused 0 60 && plain 0 -20 && plain 0 -100; }
main_on_options() { plain 0 60 && focused 0 -20; }
select_on_play() { focused 0 -180 && plain 0 -240 && plain 0 -300; }
select_on_back() { plain 0 -180 && focused 0 -300; }
detective_p1() { select_on_play && shows_colour -412 20 "222 161 46" && shows_colour -32 20 "64 170 176"; }
roles_taken() { select_on_play && shows_colour -412 20 "222 161 46" && shows_colour 348 20 "64 170 176"; }
levels_on_first() { focused -400 190 && plain -400 128 && plain -400 -318; }
levels_on_back() { plain -400 190 && focused -400 -318; }
options_open() { shows_colour -250 -220 "30 20 38" && ! main_on_play && ! main_on_options; }

copy_resources
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/sound.raw"
start_game_with_window
screen_watch_window
skip_splash_holding_space main_on_play  # early in the splash's nine seconds of pages
screen_grab
main_on_play || fail_with_shot "the Space that skipped the splash also pressed a main menu button"

press_until space main_on_play select_on_play "Play opens the player select"
press_until a select_on_play detective_p1 "A makes player 1 the Detective"
press_until Right detective_p1 roles_taken "Right makes player 2 the Killer"
press_until space roles_taken levels_on_first "Play opens the level select on level1_1"
press_until w levels_on_first levels_on_back "up from level1_1 wraps to Back"
press_until space levels_on_back roles_taken "Back returns to the player select with the roles kept"
press_until w roles_taken select_on_back "up from Play wraps to Back"
press_until space select_on_back main_on_play "Back returns to the main menu"
press_until s main_on_play main_on_options "down from Play focuses Options"
press_until space main_on_options options_open "Options opens its panel on the music slider"

# The loudest sample of the next two seconds of output.
music_peak() {
  local from
  from="$(stat -c %s "$SDL_DISKAUDIOFILE")"
  sleep 2
  "$PYTHON" "$SOURCE_ROOT/tests/e2e/data/menu_sound/audio.py" peak "$SDL_DISKAUDIOFILE" \
    "$(stat -c %s "$SDL_DISKAUDIOFILE")" "$from"
}
# The music slider's knob (its top, above the track) near the left end.
music_knob_low() { [ "$(pixels_of_kind -40 50 30 58 text)" -gt 100 ]; }
BEFORE="$(music_peak)"
xdotool keydown a
WAIT_TENTHS=100 wait_until music_knob_low || { xdotool keyup a; fail_with_shot "held A did not take the music slider down"; }
xdotool keyup a
AFTER="$(music_peak)"
awk -v b="$BEFORE" -v a="$AFTER" 'BEGIN { exit !(b > 0.05 && a < b * 0.6) }' \
  || fail_with_shot "the music did not get quieter as its slider went down (peak $BEFORE, then $AFTER)"
echo "PASS: the front end's key path, Back through each screen, and the music slider ($BEFORE to $AFTER)"
