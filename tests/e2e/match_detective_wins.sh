#!/usr/bin/env bash
# A whole match of level1_1 that the Detective wins, played by keys through
# X on the real game with a fixed seed. The players take the product's key
# path into level1_1; Tab pauses the match (the pause panel opens on
# Resume) and resumes it. After the opening (a guest dies, the countdown
# runs, the Detective walks in to the bottom-left corner) player 2 walks
# the Killer down and left into that corner, and player 1's Q arrests it:
# the Detective's outro ends on the Detective's winner panel, and Tab from
# there returns to the main menu. A failing step leaves its screen shot
# beside the build.
# Usage: match_detective_wins.sh <corvidale binary> <source root>
source "$(dirname "$0")/game_walk.bash" "$@"
source "$(dirname "$0")/match_steps.bash"

start_match_by_key_path
press_until Tab in_match paused "Tab pauses the match"
playing() { in_match && ! paused; }
press_until Tab paused playing "Tab resumes the match"

wait_for_opening
hold Down 9
hold Left 17
tap q
WAIT_TENTHS=250 wait_until detective_panel || fail_with_shot "the arrest did not end on the Detective's panel"
press_until Tab detective_panel back_in_menu "Tab leaves the winner's panel for the main menu"
! grep -q "Accessing vector out of bounds" "$WORK/game.log" || fail "a sprite showed a frame its animation does not have"
echo "PASS: key path into level1_1; Tab pauses and resumes; the arrest shows the Detective's panel; Tab returns to the main menu"
