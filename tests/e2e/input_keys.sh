#!/usr/bin/env bash
# Keys typed into the real game window reach the key table: Alt+F4 ends the
# game with the left Alt and with the right Alt (two separate rows), while
# F4 alone, Ctrl+F4 and Shift+F4 do not.
# Usage: bash input_keys.sh <corvidale-binary> <source-root>
set -u
BINARY="$1"
SOURCE_ROOT="$2"
export LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy

WORK="$(mktemp -d)"
GAME_PID=""
XVFB_PID=""
cleanup() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$WORK/game.log" ] && tail -n 20 "$WORK/game.log" >&2
  exit 1
}

if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=":$((200 + RANDOM % 300))"
  Xvfb "$DISPLAY" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
xdpyinfo >/dev/null 2>&1 || fail "no X display at $DISPLAY"

# Starts the game from its source tree and waits until its window has the focus.
start_game() {
  (cd "$SOURCE_ROOT" && exec "$BINARY") </dev/null >"$WORK/game.log" 2>&1 &
  GAME_PID=$!
  local window=""
  for _ in $(seq 150); do
    window="$(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | head -n 1)"
    [ -n "$window" ] && break
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window appeared"
    sleep 0.2
  done
  [ -n "$window" ] || fail "no game window"
  xdotool windowfocus --sync "$window" 2>/dev/null
  sleep 1  # a few frames, so start-up is behind us
}

# Keys go by X keycode (Xvfb's evdev keymap): asking xdotool for the keysym
# Alt_R also presses Alt_L on its way, which would hide a wrong right-Alt row.
KEY_F4=70 KEY_ALT_L=64 KEY_ALT_R=108 KEY_CTRL_L=37 KEY_SHIFT_L=50

# Holds the modifier (if any) and F4 long enough for several frames to see them.
press_f4_with() {
  local modifier="$1"
  [ -n "$modifier" ] && xdotool keydown "$modifier"
  xdotool keydown "$KEY_F4"
  sleep 0.5
  xdotool keyup "$KEY_F4"
  [ -n "$modifier" ] && xdotool keyup "$modifier"
  sleep 0.3
}

wait_for_exit() {
  for _ in $(seq 50); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$GAME_PID" 2>/dev/null && fail "$1: the game is still running"
  wait "$GAME_PID"
  local status=$?
  GAME_PID=""
  [ "$status" -eq 0 ] || fail "$1: exit status $status"
}

start_game
for modifier in "" "$KEY_CTRL_L" "$KEY_SHIFT_L"; do
  press_f4_with "$modifier"
  kill -0 "$GAME_PID" 2>/dev/null || fail "F4 with key ${modifier:-none} ended the game"
done
press_f4_with "$KEY_ALT_L"
wait_for_exit "left Alt + F4"

start_game
press_f4_with "$KEY_ALT_R"
wait_for_exit "right Alt + F4"

echo "PASS: keys reach the key table; left and right Alt each end the game with F4"
