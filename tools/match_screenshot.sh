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

on_level1_1() { front_focused -400 190; }
on_level1_3() { front_focused -400 66; }
level_select_gone() { ! on_level1_3; }

copy_resources
start_game_with_window
screen_watch_window
walk_to_roles
press_until space front_roles_taken on_level1_1 "Play opens the level select"
on_level1_2() { front_focused -400 128; }
press_until s on_level1_1 on_level1_2 "down to level1_2"
press_until s on_level1_2 on_level1_3 "down to level1_3"
press_until space on_level1_3 level_select_gone "Space enters level1_3"
WAIT_TENTHS=300 wait_until countdown_shown || fail_with_shot "no arrival countdown within 30 s"
sleep 2.5  # the police car drives in
mkdir -p "$(dirname "$OUTPUT")"
screen_keep_png "$OUTPUT" || fail "cannot write $OUTPUT"
quit_by_request close "the screen shot's game"
echo "wrote $OUTPUT"
