#!/usr/bin/env bash
# The shipped main menu left alone for 10 s uses at most one core: the
# display under test refuses vsync, so only the frame loop's own pace keeps
# the game from drawing flat out on every core. The game's CPU time (all its
# threads, from /proc/<pid>/stat) is read at the start and the end of the
# 10 s. The paced menu needs well under a core (about 0.6 with one render
# thread, 0.7 to 0.9 with Mesa's eight on a machine loaded some 30 deep);
# unpaced it takes whatever the machine gives it.
# Usage: menu_idle_cpu.sh <corvidale binary> <source root>
source "$(dirname "$0")/game_walk.bash" "$@"

# The focused Play button's face, 12 pixels inside its left edge.
FOCUS_FACE="104 66 118"
main_menu_shown() { shows_colour -118 60 "$FOCUS_FACE"; }

# User plus system time of the game so far, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$GAME_PID/stat"; }

copy_resources
start_game_with_window
screen_watch_window
skip_splash_holding_space main_menu_shown

START_CPU="$(cpu_ticks)"
START_TIME="${EPOCHREALTIME/,/.}"
sleep 10
END_CPU="$(cpu_ticks)"
END_TIME="${EPOCHREALTIME/,/.}"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended while idling"

CORES="$(awk -v cpu=$((END_CPU - START_CPU)) -v hz="$(getconf CLK_TCK)" -v start="$START_TIME" -v end="$END_TIME" \
  'BEGIN { printf "%.2f", cpu / hz / (end - start) }')"
awk -v cores="$CORES" 'BEGIN { exit !(cores <= 1.0) }' || fail "the idle main menu kept $CORES cores busy"
echo "PASS: the idle main menu used $CORES cores over 10 s"
