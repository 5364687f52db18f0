#!/usr/bin/env bash
# Two players enter each of the nine levels through the level select, in
# one session of the real game: within seconds of the fade-in the room shows
# moving characters and the Detective's arrival countdown; the pause panel
# leads back to the main menu, Play twice returns to the level select with
# the roles kept, and the last level's pause panel quits with status 0.
# With LEVEL_SHOTS=<folder> a screen shot of each level is kept there.
# Usage: levels.sh <corvidale binary> <source root>
source "$(dirname "$0")/game_walk.bash" "$@"

LEVELS=(level1_1 level1_2 level1_3 level2_1 level2_2 level2_3 level3_1 level3_2 level3_3)
# Each level button's place on the level select, in the order "down" visits them.
BUTTON_X=(-400 -400 -400 0 0 0 400 400 400)
BUTTON_Y=(190 128 66 0 -62 -124 -190 -252 -314)

level_focused() { front_focused "${BUTTON_X[$1]}" "${BUTTON_Y[$1]}"; }
on_level_select() { level_focused 0; }
focus_here() { level_focused "$FOCUS"; }
focus_next() { level_focused $((FOCUS + 1)); }
level_select_gone() { ! level_focused "$FOCUS"; }
# The pause panel's buttons, top down: Resume, Restart, Options, Main menu, Quit.
PAUSE_Y=(124 52 -20 -92 -164)
pause_on() { shows_colour -108 "${PAUSE_Y[$1]}" "104 66 118"; }
pause_here() { pause_on "$PAUSE_FOCUS"; }
pause_next() { pause_on $((PAUSE_FOCUS + 1)); }
not_paused() { ! pause_on 0; }

# Pauses the level and moves the pause panel's focus down to the button $1.
pause_and_focus() {
  PAUSE_FOCUS=0
  press_until Tab not_paused pause_here "Tab pauses $level"
  while [ "$PAUSE_FOCUS" -lt "$1" ]; do
    press_until s pause_here pause_next "down the pause panel of $level"
    PAUSE_FOCUS=$((PAUSE_FOCUS + 1))
  done
}

# Characters move in the room: two shots a second apart differ there.
room_moves() {
  cp "$SHOT" "$WORK/before"
  sleep 1
  screen_grab
  [ "$(pixels_changed -600 -330 600 150 "$WORK/before")" -gt 400 ]
}

copy_resources
start_game_with_window
screen_watch_window
walk_to_roles

for i in "${!LEVELS[@]}"; do
  level="${LEVELS[$i]}"
  press_until space front_roles_taken on_level_select "Play opens the level select on level1_1 (before $level)"
  FOCUS=0
  while [ "$FOCUS" -lt "$i" ]; do
    press_until s focus_here focus_next "down to ${LEVELS[$((FOCUS + 1))]}"
    FOCUS=$((FOCUS + 1))
  done
  press_until space focus_here level_select_gone "Space enters $level"
  WAIT_TENTHS=150 wait_until room_moves || fail_with_shot "$level: no characters moving within 15 s"
  WAIT_TENTHS=300 wait_until countdown_shown || fail_with_shot "$level: no arrival countdown within 30 s"
  if [ -n "${LEVEL_SHOTS:-}" ]; then mkdir -p "$LEVEL_SHOTS" && screen_keep_png "$LEVEL_SHOTS/$level.png"; fi
  if [ "$i" -lt $((${#LEVELS[@]} - 1)) ]; then
    pause_and_focus 3
    press_until space pause_here front_on_play "$level: the pause panel's Main menu leads there"
    press_until space front_on_play front_roles_taken "Play opens the player select with the roles kept (after $level)"
  else
    pause_and_focus 4
    quit_by_key space pause_here
  fi
done
if grep -q '^Error' "$WORK/game.log"; then fail "the game reported errors"; fi
echo "all nine levels entered"
