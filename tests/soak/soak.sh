#!/usr/bin/env bash
# Soak: the busiest level (level3_3) played with random keys from both
# players for a given time, in the real game (meant for the AddressSanitizer
# build). Whenever a match has ended and the game is back at the main menu,
# the players walk into the level again. The game's memory (resident set)
# is reported each minute (six times in a shorter run). It fails on a
# sanitizer report, on the game ending by itself, and on growth: the last
# reading more than 25 % and 40 MB above the first one taken after the
# level is up. At the end the window is closed; the game must then exit with
# status 0 and without a leak report.
# Usage: soak.sh <corvidale binary> <source root> [seconds, 600 by default]
# A 60-s run is part of the ASan build's tests.
set -euo pipefail
BINARY="$(realpath "$1")"
SOURCE_ROOT="$2"
DURATION="${3:-600}"
E2E="$(cd "$(dirname "$0")/../e2e" && pwd)"
source "$E2E/game_session.bash"
source "$E2E/screen.bash"
source "$E2E/player_steps.bash"
FAILURE_SHOT="$(cd "$(dirname "$BINARY")/.." && pwd)/soak_failure.png"

# A small quarantine: freed memory is held back only briefly, so what stays
# resident is what the game keeps.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=16:detect_leaks=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"


on_first_level() { front_focused -400 190; }
on_last_level() { front_focused 400 -314; }
level_select_gone() { ! on_last_level; }

resident_mb() { awk '/^VmRSS:/ {print int($2 / 1024)}' "/proc/$GAME_PID/status"; }

enter_busiest_level() {
  press_until space front_roles_taken on_first_level "Play opens the level select"
  for _ in $(seq 8); do tap s && sleep 0.25; done
  WAIT_TENTHS=50 wait_until on_last_level || fail_with_shot "down eight times did not reach level3_3"
  press_until space on_last_level level_select_gone "Space enters level3_3"
  # Memory is read from the match on: the level is up once its countdown shows.
  WAIT_TENTHS=300 wait_until countdown_shown || fail_with_shot "level3_3 did not come up"
}

copy_resources
# Both players' keys in play, as the binding files give them.
PLAYER_KEYS=()
for action in moveup movedown moveleft moveright run interact action; do
  for player in 1 2; do PLAYER_KEYS+=("$(bound_key "${action}_$player")"); done
done
start_game_with_window
screen_watch_window
walk_to_roles
enter_busiest_level

interval=60
[ "$DURATION" -lt 360 ] && interval=$((DURATION / 6 > 5 ? DURATION / 6 : 5))
start=$SECONDS
next_reading=$SECONDS
next_look=$((SECONDS + 10))
first_mb=""
matches=1
while [ $((SECONDS - start)) -lt "$DURATION" ]; do
  kill -0 "$GAME_PID" 2>/dev/null || { wait_for_exit 1; fail "the game ended by itself (status $STATUS) after $((SECONDS - start)) s"; }
  sanitizer_report && fail "sanitizer report after $((SECONDS - start)) s"
  if [ "$SECONDS" -ge "$next_reading" ]; then
    mb="$(resident_mb)"
    first_mb="${first_mb:-$mb}"
    echo "soak: $((SECONDS - start)) s, resident $mb MB, match $matches"
    next_reading=$((next_reading + interval))
  fi
  if [ "$SECONDS" -ge "$next_look" ]; then
    next_look=$((SECONDS + 10))
    screen_grab
    if front_on_play; then  # a match ended and a player went back to the menu
      press_until space front_on_play front_roles_taken "Play opens the player select again"
      enter_busiest_level
      matches=$((matches + 1))
    fi
  fi
  # A burst of random presses: each player holds one of its keys for 50 to 450 ms.
  xdotool windowfocus "$WINDOW" 2>/dev/null || true
  one="${PLAYER_KEYS[RANDOM % ${#PLAYER_KEYS[@]}]}"
  two="${PLAYER_KEYS[RANDOM % ${#PLAYER_KEYS[@]}]}"
  xdotool keydown "$one" keydown "$two"
  sleep "0.$((RANDOM % 4 + 1))$((RANDOM % 10))"
  xdotool keyup "$one" keyup "$two"
  # Now and then a pause key (and back), or the key that leaves a winner's panel.
  if [ $((RANDOM % 40)) -eq 0 ]; then tap Tab; sleep 0.3; tap Tab; fi
done

last_mb="$(resident_mb)"
echo "soak: end after $((SECONDS - start)) s, resident $last_mb MB (first reading $first_mb MB), $matches matches"
python3 "$E2E/close_window.py" "$WINDOW"
wait_for_exit 300
[ -n "$STATUS" ] || fail "the game was still running 30 s after its window was closed"
sanitizer_report && fail "sanitizer report at exit"
[ "$STATUS" -eq 0 ] || fail "the game ended with status $STATUS when its window was closed"
growth=$((last_mb - first_mb))
if [ "$growth" -gt 40 ] && [ $((growth * 100)) -gt $((first_mb * 25)) ]; then
  fail "memory grew from $first_mb MB to $last_mb MB"
fi
echo "soak passed"
