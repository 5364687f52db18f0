#!/usr/bin/env bash
# Two new players reach the tutorial the way the game offers it: Space skips
# the splash and presses Play, A and Right take the roles, down and Space
# press player select's "Tutorial". Enter turns the intro's three panels, and
# each shot shows a different panel; both players then walk right with their
# own keys until the walking panel gives way to the next one. On that panel,
# which holds both players, Alt+F4 ends the game with status 0.
# Usage: tutorial.sh <corvidale binary> <source root>
source "$(dirname "$0")/game_walk.bash" "$@"
source "$(dirname "$0")/match_steps.bash"

select_on_tutorial() { plain 0 -180 && focused 0 -240; }

# The count of the panel's gold text tells one panel from the next.
tutorial_panel_text() { pixels_of_kind -600 150 600 330 text; }
LAST_PANEL=0
panel_changed() {
  local now
  now="$(tutorial_panel_text)"
  [ "$now" -gt 300 ] && [ $((now - LAST_PANEL)) -ne 0 ] && LAST_PANEL="$now"
}
next_panel() {
  WAIT_TENTHS="${2:-50}" wait_until panel_changed || fail_with_shot "$1"
  settle
}

copy_resources
start_game_with_window
screen_watch_window
skip_splash_holding_space main_on_play
press_until space main_on_play select_on_play "Play opens the player select"
press_until a select_on_play detective_p1 "A makes player 1 the Detective"
press_until Right detective_p1 roles_taken "Right makes player 2 the Killer"
press_until s select_on_play select_on_tutorial "down focuses Tutorial"
# The scene's fade-in brightens the panel too: its text shows the UI text's
# own gold once the fade is over.
panel_lit() { [ "$(pixels_of_kind -600 150 600 330 gold)" -gt 200 ]; }
tutorial_shown() { ! select_on_tutorial && panel_lit; }
press_until space select_on_tutorial tutorial_shown "Tutorial opens the tutorial's first panel"
LAST_PANEL="$(tutorial_panel_text)"
for page in 1 2 3; do
  tap Return
  next_panel "Enter did not turn the intro's panel $page"
done
xdotool keydown d Shift_L Right Shift_R  # both run right
next_panel "running right did not end the walking step within 25 s" 250
xdotool keyup d Shift_L Right Shift_R

xdotool keydown Alt_L
tap F4
xdotool keyup Alt_L
wait_for_exit 50
[ "$STATUS" = 0 ] || fail_with_shot "Alt+F4 on a panel ended the game with status '${STATUS}'"
echo "PASS: Tutorial from player select; Enter turns the intro panels; walking ends its step; Alt+F4 quits"
