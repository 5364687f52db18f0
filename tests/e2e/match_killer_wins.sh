#!/usr/bin/env bash
# A whole match of level1_1 that the Killer wins by its kill target, played
# by keys through X on the real game with a fixed seed. The players take
# the product's key path into level1_1; player 2 walks the Killer up to the
# top wall, left into the cake in the corner, then right along the wall
# to the buffet, and poisons it (/, pressed again every few seconds: a
# guest eating keeps the Killer off the dish, and a Killer already at it
# goes on poisoning). The opening death is the first kill; the two guests
# who eat the poisoned portions die, which reaches the target of 3. The
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

start_match_by_key_path
hold Up 9
hold Left 17
hold Right 4
poisoned_and_won() {
  tap slash
  sleep 2
  screen_grab
  killer_panel
}
WAIT_TENTHS=1500 WAIT_POLL_SECONDS=0 wait_until poisoned_and_won \
  || fail_with_shot "the poisoned buffet did not win the match for the Killer"
press_until BackSpace killer_panel back_in_menu "Backspace leaves the winner's panel for the main menu"
echo "PASS: key path into level1_1; the Killer poisons the buffet, the kills reach the target and the Killer's panel shows; Backspace returns to the main menu"
