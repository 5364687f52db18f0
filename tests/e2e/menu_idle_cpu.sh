#!/usr/bin/env bash
# The shipped main menu left alone for 10 s presents no more frames than the
# display refreshes: the display under test refuses vsync, so only the frame
# loop's own pace keeps the game from drawing flat out. The presents are
# counted from outside, from the window's damage reports (data/presents.py),
# and judged against the refresh rate the game paces to, so the verdict does
# not rest on how fast the machine draws: paced, the menu presents just under
# the rate on any machine that keeps up with it; unpaced, it goes past the
# rate on any machine fast enough to waste anything. The game's CPU time
# (all its threads, from /proc/<pid>/stat) is printed beside it as a figure
# to read, not judged: it mostly measures Mesa's software rasteriser.
# Usage: menu_idle_cpu.sh <corvidale binary> <source root>
source "$(dirname "$0")/game_walk.bash" "$@"

IDLE_SECONDS=10
# A paced loop stays under the rate; the margin only absorbs a stray report.
RATE_MARGIN=1.1

# The focused Play button's face, 12 pixels inside its left edge.
FOCUS_FACE="104 66 118"
main_menu_shown() { shows_colour -118 60 "$FOCUS_FACE"; }

# User plus system time of the game so far, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$GAME_PID/stat"; }

# The game's own rule: a display that reports no sensible rate is taken for 60.
paced_rate() { awk -v rate="$1" 'BEGIN { print (rate < 20 || rate > 1000) ? 60 : rate }'; }

copy_resources
start_game_with_window
screen_watch_window
skip_splash_holding_space main_menu_shown

START_CPU="$(cpu_ticks)"
COUNT="$("$PYTHON" "$(dirname "$0")/data/presents.py" count "$WINDOW" "$IDLE_SECONDS")" ||
  fail "cannot count the window's presents"
END_CPU="$(cpu_ticks)"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended while idling"

read -r PRESENTS MEASURED REFRESH <<<"$(sed 's/[a-z]*=//g' <<<"$COUNT")"
RATE="$(paced_rate "$REFRESH")"
PER_SECOND="$(awk -v n="$PRESENTS" -v s="$MEASURED" 'BEGIN { printf "%.1f", n / s }')"
CORES="$(awk -v cpu=$((END_CPU - START_CPU)) -v hz="$(getconf CLK_TCK)" -v s="$MEASURED" \
  'BEGIN { printf "%.2f", cpu / hz / s }')"
FIGURES="$PER_SECOND frames a second against the display's $RATE (using $CORES cores)"
# No presents at all means the count is blind (a compositor, say), not that the game is paced.
[ "$PRESENTS" -gt 0 ] || fail "no presents of the idle main menu were counted over $MEASURED s"
awk -v fps="$PER_SECOND" -v rate="$RATE" -v margin="$RATE_MARGIN" 'BEGIN { exit !(fps <= rate * margin) }' ||
  fail "the idle main menu is not paced: $FIGURES"
echo "PASS: the idle main menu is paced: $FIGURES"
