#!/usr/bin/env bash
# The world of the real game in motion. A scene built from archetype files
# (tests/e2e/data/world_motion/splash/) through its index file in a
# temporary copy of Resources/, with its own walkability grid (a blocked
# border one cell of 40 units wide around the 1280 by 720 world):
#   Runner   an orange box whose body accelerates to the right (friction
#            holds it at 2 units per step; its Moveable only steers when
#            game code asks, so it must leave the body alone) and leaving
#            a trail of still cyan particles that live 1.5 s, towards
#   Wall     a violet static box on the default layer; it has a mass,
#            which must not let the runner sink into it;
#   Climber  a green box accelerating upwards towards the blocked top row;
#   Sparks   a looping particle emitter without a sprite of its own.
# Screen shots over time show the runner moving right along its lane and
# coming to rest against the wall's left side without passing it (its
# trail stays behind where it was laid, then dies away at the wall), the
# climber moving up and held below the blocked row, and particles around
# the emitter that keep changing. A termination signal then ends the game
# with status 0 and no "Error" line in its log. A failing step leaves its
# screen shot beside the build.
# Usage: world_motion.sh <corvidale binary> <source root>
set -euo pipefail
BINARY="$(realpath "$1")"
SOURCE_ROOT="$2"
source "$(dirname "$0")/game_session.bash"
source "$(dirname "$0")/screen.bash"
source "$(dirname "$0")/player_steps.bash"
prepare_player_steps world_motion
SHAPES="$DATA/shapes.py"
# The boxes take seconds to cross the world: waits are long and shots fewer.
WAIT_TENTHS=300
WAIT_POLL_SECONDS=0.2

# --- The scene ------------------------------------------------------------------

# The scene goes into the splash, where the game starts. A splash that
# moves on by itself leads to the main menu, so that gets the same scene:
# either way the scene that stays on screen is this one, freshly started.
install_scene() {
  install_scene_from "$DATA/splash" splash
  install_scene_from "$DATA/splash" mainmenu
  cp "$DATA/BinaryCollision.txt" "$WORK/Resources/BinaryCollision.txt"
}

# Colours of the archetypes' tinted sprites (tint times 255) and their places.
RUNNER_ORANGE="242 140 25"
WALL_VIOLET="140 64 217"
CLIMBER_GREEN="51 204 77"
TRAIL_CYAN="51 204 229"
RUNNER_START_X=-580  # centre; the box is 60 by 60
LANE_Y=150           # the runner's and the wall's centre height
WALL_LEFT=230        # the wall spans x 230..290, y 50..250
WALL_RIGHT=290
CLIMBER_X=450
CLIMBER_START_Y=-290
# A body whose centre steps onto the blocked top row (y above 320) is put
# back, so the climber's top edge stays at or below 350.
CLIMBER_TOP_LIMIT=350
SPARKS_X=-350
SPARKS_Y=-200

# --- Screen questions -----------------------------------------------------------

# Sets BOX to "left bottom right top" (world units, outer edges) of the
# pixels of colour $1 inside the world rectangle $2..$5 of the last shot;
# empty when there are none.
find_box() {
  local found colour
  read -r -a colour <<<"$1"
  found="$("$PYTHON" "$SHAPES" bounds "$SHOT" "${colour[@]}" $((SHOT_W / 2 + $2)) $((SHOT_H / 2 - $5)) \
    $((SHOT_W / 2 + $4)) $((SHOT_H / 2 - $3)))" || fail "cannot read the shot"
  BOX=""
  [ "$found" = none ] && return 0
  local x0 y0 x1 y1
  read -r x0 y0 x1 y1 <<<"$found"
  BOX="$((x0 - SHOT_W / 2)) $((SHOT_H / 2 - y1 - 1)) $((x1 + 1 - SHOT_W / 2)) $((SHOT_H / 2 - y0))"
}

# The runner's lane, from the left edge of the world to its right edge.
find_runner() { find_box "$RUNNER_ORANGE" -640 $((LANE_Y - 60)) 640 $((LANE_Y + 60)); }
# The runner's trail on its lane.
find_trail() { find_box "$TRAIL_CYAN" -640 $((LANE_Y - 30)) 640 $((LANE_Y + 30)); }
# The climber's column, up to the top of the world.
find_climber() { find_box "$CLIMBER_GREEN" $((CLIMBER_X - 60)) -360 $((CLIMBER_X + 60)) 360; }

# True when the box found last has the size $1 by $2 (within 2 units);
# sets LEFT BOTTOM RIGHT TOP.
box_sized() {
  [ -n "$BOX" ] || return 1
  read -r LEFT BOTTOM RIGHT TOP <<<"$BOX"
  local dw=$((RIGHT - LEFT - $1)) dh=$((TOP - BOTTOM - $2))
  [ "${dw#-}" -le 2 ] && [ "${dh#-}" -le 2 ]
}

# Lit pixels of the world rectangle (left, bottom, right, top).
lit_in() { pixels_of_kind "$1" "$2" "$3" "$4" lit; }

# --- The checks -----------------------------------------------------------------

# The runner is a whole 60 by 60 box on its lane, never past the wall's left
# side (a step that ends inside the wall is pushed back out, so at most a
# few units of overlap are ever drawn).
runner_on_lane() {
  find_runner
  box_sized 60 60 || return 1
  if [ "$BOTTOM" -ne $((LANE_Y - 30)) ] || [ "$TOP" -ne $((LANE_Y + 30)) ]; then
    fail_with_shot "the runner left its lane: $BOX"
  fi
  [ "$RIGHT" -le $((WALL_LEFT + 4)) ] || fail_with_shot "the runner passed into the wall: $BOX"
}

runner_beyond() { runner_on_lane && [ "$LEFT" -ge "$1" ]; }

# Particles born at the moving runner's left side stay where they were born:
# the trail reaches at least $1 units behind the runner. Sets TRAIL.
trail_behind() {
  runner_on_lane || return 1
  local runner_left="$LEFT"
  find_trail
  TRAIL="${BOX:-none}"
  [ -n "$BOX" ] && [ "$(cut -d' ' -f1 <<<"$BOX")" -le $((runner_left - $1)) ]
}

# Once the runner rests, its old particles die: the trail is no longer than
# the newest particles at its side (8 units wide).
trail_gathered() {
  runner_on_lane || return 1
  local runner_left="$LEFT"
  find_trail
  TRAIL="${BOX:-none}"
  [ -n "$BOX" ] && [ "$(cut -d' ' -f1 <<<"$BOX")" -ge $((runner_left - 6)) ]
}
runner_at_wall() { runner_on_lane && [ "$RIGHT" -ge $((WALL_LEFT - 4)) ]; }

# The climber is a whole 60 by 60 box in its column, never above the limit.
climber_in_column() {
  find_climber
  box_sized 60 60 || return 1
  if [ "$LEFT" -ne $((CLIMBER_X - 30)) ] || [ "$RIGHT" -ne $((CLIMBER_X + 30)) ]; then
    fail_with_shot "the climber left its column: $BOX"
  fi
  [ "$TOP" -le $((CLIMBER_TOP_LIMIT + 1)) ] || fail_with_shot "the climber went onto the blocked row: $BOX"
}

climber_above() { climber_in_column && [ "$BOTTOM" -ge "$1" ]; }
climber_at_edge() { climber_in_column && [ "$TOP" -ge $((CLIMBER_TOP_LIMIT - 8)) ]; }

wall_in_place() {
  find_box "$WALL_VIOLET" 0 0 640 360
  box_sized 60 200 && [ "$LEFT" -eq "$WALL_LEFT" ] && [ "$BOTTOM" -eq $((LANE_Y - 100)) ]
}

# Particles: lit pixels on all four sides of the emitter (which draws
# nothing itself), within the reach of the slowest-dying, fastest particles.
SPARK_REACH=130
sparks_around() {
  local inner=6 reach=$SPARK_REACH left right below above
  left="$(lit_in $((SPARKS_X - reach)) $((SPARKS_Y - reach)) $((SPARKS_X - inner)) $((SPARKS_Y + reach)))"
  right="$(lit_in $((SPARKS_X + inner)) $((SPARKS_Y - reach)) $((SPARKS_X + reach)) $((SPARKS_Y + reach)))"
  below="$(lit_in $((SPARKS_X - reach)) $((SPARKS_Y - reach)) $((SPARKS_X + reach)) $((SPARKS_Y - inner)))"
  above="$(lit_in $((SPARKS_X - reach)) $((SPARKS_Y + inner)) $((SPARKS_X + reach)) $((SPARKS_Y + reach)))"
  SPARKS="left $left, right $right, below $below, above $above"
  [ "$left" -gt 20 ] && [ "$right" -gt 20 ] && [ "$below" -gt 20 ] && [ "$above" -gt 20 ]
}

# Pixels around the emitter that differ between the shot $1 and the last one.
sparks_changed_since() {
  "$PYTHON" "$SHAPES" changed "$1" "$SHOT" $((SHOT_W / 2 + SPARKS_X - SPARK_REACH)) \
    $((SHOT_H / 2 - SPARKS_Y - SPARK_REACH)) $((SHOT_W / 2 + SPARKS_X + SPARK_REACH)) \
    $((SHOT_H / 2 - SPARKS_Y + SPARK_REACH))
}

# Holds the test "$@" over shots taken for $HOLD_TENTHS tenths of a second,
# and the box it finds moves by at most 3 units on every edge meanwhile (a
# body held at the grid's edge rocks by a unit or two);
# HELD tells the first and the last box seen.
HOLD_TENTHS=15
holds_still() {
  local first="" end=$(($(tenths_now) + HOLD_TENTHS))
  HELD=""
  while :; do
    screen_grab
    "$@" || return 1
    [ -n "$first" ] || first="$BOX"
    HELD="$first -> $BOX"
    boxes_near "$first" "$BOX" 3 || return 1
    [ "$(tenths_now)" -lt "$end" ] || return 0
    sleep 0.2
  done
}

# Two boxes as "left bottom right top" are within $3 units on every edge.
boxes_near() {
  local a b i d
  read -r -a a <<<"$1"
  read -r -a b <<<"$2"
  for i in 0 1 2 3; do
    d=$((a[i] - b[i]))
    [ "${d#-}" -le "$3" ] || return 1
  done
}

# --- The walk -------------------------------------------------------------------

copy_resources
install_scene
xdotool mousemove 0 0 2>/dev/null || true
start_game_with_window
screen_watch_window
if [ "$SHOT_W" -ne 1280 ] || [ "$SHOT_H" -ne 720 ]; then
  fail "the window is ${SHOT_W}x$SHOT_H, expected the default 1280x720"
fi

# The scene counts as shown once the wall has its full colour, that is once
# the fade-in has uncovered it.
wall_shown() { shows_colour "$WALL_LEFT" "$LANE_Y" "$WALL_VIOLET" && shows_colour $((WALL_RIGHT - 1)) "$LANE_Y" "$WALL_VIOLET"; }
WAIT_TENTHS=150 wait_until wall_shown || fail_with_shot "the wall was not shown within 15 s"
wall_in_place || fail_with_shot "the wall is not the 60 by 200 box at x $WALL_LEFT: ${BOX:-not found}"

# Both boxes are seen on their way first: at 2 units per step the runner
# needs over 6 s from its start to the wall, the climber 5 s to the edge.
both_on_their_way() {
  runner_on_lane || return 1
  FIRST_RUNNER="$BOX"
  climber_in_column || return 1
  FIRST_CLIMBER="$BOX"
}
wait_until both_on_their_way || fail_with_shot "no runner on its lane or no climber in its column"
read -r left _ right _ <<<"$FIRST_RUNNER"
[ "$left" -ge $((RUNNER_START_X - 30)) ] || fail_with_shot "the runner is left of its start: $FIRST_RUNNER"
[ "$right" -lt $((WALL_LEFT - 40)) ] \
  || fail_with_shot "the runner was at the wall ($FIRST_RUNNER) before it could be watched on its way"
read -r _ bottom _ top <<<"$FIRST_CLIMBER"
[ "$bottom" -ge $((CLIMBER_START_Y - 30)) ] || fail_with_shot "the climber is below its start: $FIRST_CLIMBER"
[ "$top" -lt $((CLIMBER_TOP_LIMIT - 40)) ] \
  || fail_with_shot "the climber was at the edge ($FIRST_CLIMBER) before it could be watched on its way"

# The runner moves right along its lane, the climber up its column.
WAIT_TENTHS=100 wait_until runner_beyond $((left + 40)) \
  || fail_with_shot "the runner did not move 40 units right within 10 s (first $FIRST_RUNNER, now ${BOX:-gone})"
echo "runner moving right: $FIRST_RUNNER -> $BOX"
WAIT_TENTHS=100 wait_until trail_behind 20 || fail_with_shot "no trail behind the moving runner (trail $TRAIL)"
echo "trail behind the runner: $TRAIL"
WAIT_TENTHS=100 wait_until climber_above $((bottom + 40)) \
  || fail_with_shot "the climber did not move 40 units up within 10 s (first $FIRST_CLIMBER, now ${BOX:-gone})"
echo "climber moving up: $FIRST_CLIMBER -> $BOX"

# The runner comes to rest against the wall's left side and stays there;
# the wall has not moved and nothing got past it.
# A busy machine draws fewer frames and so runs fewer steps: the wait is long.
WAIT_TENTHS=600 wait_until runner_at_wall || fail_with_shot "the runner did not reach the wall within 60 s (now ${BOX:-gone})"
holds_still runner_at_wall || fail_with_shot "the runner did not stay at the wall (held ${HELD:-nothing}, last ${BOX:-no whole box})"
wall_in_place || fail_with_shot "the wall moved when the runner hit it: ${BOX:-not found}"
[ "$(lit_in $((WALL_RIGHT + 1)) $((LANE_Y - 30)) $((CLIMBER_X - 40)) $((LANE_Y + 30)))" -eq 0 ] \
  || fail_with_shot "something is drawn on the lane beyond the wall"
echo "runner stopped at the wall: $HELD"
WAIT_TENTHS=100 wait_until trail_gathered \
  || fail_with_shot "the trail did not die away behind the resting runner within 10 s (trail $TRAIL)"
echo "trail at the resting runner: $TRAIL"

# The climber is held below the blocked top row.
wait_until climber_at_edge || fail_with_shot "the climber did not reach the top edge within 30 s (now ${BOX:-gone})"
holds_still climber_at_edge || fail_with_shot "the climber did not stay at the top edge (held ${HELD:-nothing}, last ${BOX:-no whole box})"
echo "climber held at the top edge: $HELD"

# Particles surround the emitter and keep changing; nothing is drawn in an
# empty stretch of the world beside them.
WAIT_TENTHS=50 wait_until sparks_around || fail_with_shot "no particles on every side of the emitter ($SPARKS)"
cp "$SHOT" "$WORK/sparks_before"
echo "particles around the emitter: $SPARKS"
sleep 0.5
sparks_changed() { sparks_around && [ "$(sparks_changed_since "$WORK/sparks_before")" -gt 50 ]; }
WAIT_TENTHS=50 wait_until sparks_changed || fail_with_shot "the particles around the emitter did not change ($SPARKS)"
[ "$(lit_in -60 -320 120 -60)" -eq 0 ] || fail_with_shot "something is drawn in the empty middle of the world"

# A termination signal ends the game through its quit path.
kill -TERM "$GAME_PID"
wait_for_exit 100
[ -n "$STATUS" ] || fail_with_shot "the game was still running 10 s after SIGTERM"
[ "$STATUS" -eq 0 ] || fail "SIGTERM ended the game with status $STATUS"
if grep -q '^Error' "$WORK/game.log"; then fail "the game reported errors"; fi
echo "PASS: a body pushed right stops against a static box and its particle trail stays behind, a body pushed up is held below the blocked edge of the grid, particles surround their emitter, and SIGTERM ends the game with status 0"
