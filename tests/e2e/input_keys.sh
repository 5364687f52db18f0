#!/usr/bin/env bash
# Keys typed into the real game window reach the key table: Alt+F4 ends the
# game with the left Alt and with the right Alt (two separate rows), while
# F4 alone, Ctrl+F4 and Shift+F4 do not.
# Usage: bash input_keys.sh <corvidale-binary> <source-root>
source "$(dirname "$0")/game_walk.bash" "$@"

# Keys go by X keycode (Xvfb's evdev keymap): asking xdotool for the keysym
# Alt_R also presses Alt_L on its way, which would hide a wrong right-Alt row.
KEY_F4=70 KEY_ALT_L=64 KEY_ALT_R=108 KEY_CTRL_L=37 KEY_SHIFT_L=50

# Starts the game and waits until its window has the focus and a splash
# page is shown: start-up is behind it and the splash takes keys.
start_focused_game() {
  start_game_with_window
  screen_watch_window
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
  WAIT_TENTHS=300 wait_until splash_page_shown || fail_with_shot "no splash page was shown"
}

# Holds the modifier (if any) and F4 long enough for several frames to see them.
press_f4_with() {
  local modifier="$1"
  [ -n "$modifier" ] && xdotool keydown "$modifier"
  xdotool keydown "$KEY_F4"
  sleep 0.5
  xdotool keyup "$KEY_F4"
  if [ -n "$modifier" ]; then xdotool keyup "$modifier"; fi
}

# The game went on drawing after the keys went up: a game that they ended
# presents no frame after the one that read them, however slowly it exits.
draws_on() {
  "$PYTHON" "$(dirname "$0")/data/presents.py" period "$WINDOW" 3 $((10 * TIME_SCALE)) >/dev/null 2>&1
}

expect_exit() {
  wait_for_exit 100
  [ -n "$STATUS" ] || fail "$1: the game is still running"
  [ "$STATUS" -eq 0 ] || fail "$1: exit status $STATUS"
}

copy_resources
start_focused_game
for modifier in "" "$KEY_CTRL_L" "$KEY_SHIFT_L"; do
  press_f4_with "$modifier"
  draws_on && kill -0 "$GAME_PID" 2>/dev/null || fail "F4 with key ${modifier:-none} ended the game"
done
press_f4_with "$KEY_ALT_L"
expect_exit "left Alt + F4"

start_focused_game
press_f4_with "$KEY_ALT_R"
expect_exit "right Alt + F4"

echo "PASS: keys reach the key table; left and right Alt each end the game with F4"
