#!/usr/bin/env bash
# Takes the README's picture of a match from the real game: both players pick
# their roles, enter level1_3 through the level select, and the shot is taken
# once the opening is over and the Detective's countdown runs (a body on the
# floor, the police car arriving, the crowd about). Seeded, so the same build
# gives the same picture.
# Usage: tools/match_screenshot.sh [corvidale binary] [output PNG]
# Defaults: build/game/corvidale and docs/match.png. Without a DISPLAY it
# starts its own Xvfb.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BINARY="$(realpath "${1:-$ROOT/build/game/corvidale}")"
OUTPUT="$(realpath -m "${2:-$ROOT/docs/match.png}")"
SOURCE_ROOT="$ROOT"
if [ -z "${DISPLAY:-}" ]; then
  ready="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$ready" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$ready")"
  rm -f "$ready"
fi
export LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy CORVIDALE_SEED=11
source "$ROOT/tests/e2e/game_session.bash"
source "$ROOT/tests/e2e/screen.bash"
source "$ROOT/tests/e2e/player_steps.bash"
# The session's own clean-up ends the script, so the display goes first.
trap 'status=$?; [ -z "${XVFB_PID:-}" ] || kill "$XVFB_PID" 2>/dev/null; (exit "$status"); cleanup' EXIT
FAILURE_SHOT="${OUTPUT%.png}_failure.png"

focused() { shows_colour $(($1 - 118)) "$2" "104 66 118"; }
main_on_play() { focused 0 60; }
select_on_play() { focused 0 -180; }
detective_taken() { select_on_play && shows_colour -412 20 "222 161 46"; }
roles_taken() { detective_taken && shows_colour 348 20 "64 170 176"; }
on_level1_1() { focused -400 190; }
on_level1_3() { focused -400 66; }
level_select_gone() { ! on_level1_3; }
countdown_shown() { [ "$(pixels_of_kind -640 60 0 200 gold)" -gt 800 ]; }

copy_resources
start_game_with_window
screen_watch_window
sleep 1.5
xdotool windowfocus "$WINDOW" 2>/dev/null || true
xdotool keydown space
WAIT_TENTHS=150 wait_until main_on_play || { xdotool keyup space; fail_with_shot "Space did not skip the splash"; }
sleep 0.5
xdotool keyup space
sleep 1
press_until space main_on_play select_on_play "Play opens the player select"
press_until a select_on_play detective_taken "A makes player 1 the Detective"
press_until Right detective_taken roles_taken "Right makes player 2 the Killer"
press_until space roles_taken on_level1_1 "Play opens the level select"
tap s
sleep 0.3
tap s
WAIT_TENTHS=50 wait_until on_level1_3 || fail_with_shot "down twice did not reach level1_3"
press_until space on_level1_3 level_select_gone "Space enters level1_3"
WAIT_TENTHS=300 wait_until countdown_shown || fail_with_shot "no arrival countdown within 30 s"
sleep 2.5  # the police car drives in
mkdir -p "$(dirname "$OUTPUT")"
screen_keep_png "$OUTPUT" || fail "cannot write $OUTPUT"
quit_by_request close "the screen shot's game"
echo "wrote $OUTPUT"
