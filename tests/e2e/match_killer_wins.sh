#!/usr/bin/env bash
# A whole match of level1_1 that the Killer wins by its kill target, played
# by keys through X on the real game with a fixed seed. The copy of the
# game data sets the target to 2, so the opening death and one kill win.
# The players take the product's key path into level1_1; player 2 walks
# the Killer up to the top wall, left into the corner at the cake, then
# right along the wall past the buffet, the jukebox and the punch bowl,
# sabotaging each (/) while the guests go on eating and playing. The
# Killer's outro ends on the Killer's winner panel (its first panic strike
# lit), and Backspace from there returns to the main menu. A failing step
# leaves its screen shot beside the build.
# Usage: match_killer_wins.sh <corvidale binary> <source root>
set -euo pipefail
BINARY="$(realpath "$1")"
SOURCE_ROOT="$2"
source "$(dirname "$0")/game_session.bash"
source "$(dirname "$0")/screen.bash"
source "$(dirname "$0")/player_steps.bash"
source "$(dirname "$0")/match_steps.bash"
FAILURE_SHOT="$(cd "$(dirname "$BINARY")/.." && pwd)/e2e_match_killer_wins_failure.png"

prepare_resources() { echo '<?xml version="1.0"?><K><kills_to_win int="2"/></K>' >"$WORK/Resources/killer_objective.xml"; }
start_match_by_key_path prepare_resources
hold Up 9
hold Left 17
# At each prop the Killer stands for its use (up to 5 s) before it walks on.
for stop in cake buffet jukebox punchbowl; do
  [ "$stop" = cake ] || hold Right 4
  tap slash
  sleep 5
done
sabotaged_and_won() {
  tap slash
  sleep 2
  screen_grab
  killer_panel
}
WAIT_TENTHS=1500 WAIT_POLL_SECONDS=0 wait_until sabotaged_and_won \
  || fail_with_shot "the sabotaged props did not win the match for the Killer"
press_until BackSpace killer_panel back_in_menu "Backspace leaves the winner's panel for the main menu"
echo "PASS: key path into level1_1; the Killer sabotages the props, the kills reach the target and the Killer's panel shows; Backspace returns to the main menu"
