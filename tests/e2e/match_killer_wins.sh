#!/usr/bin/env bash
# A whole match of level1_1 that the Killer wins by its kill target, played
# by keys through X on the real game with a fixed seed. The copy of the
# game data sets the target to 2, so the opening death and one kill win.
# The match puts the Killer in a random guest's place, so its walk leans
# on the walls and props as bumpers, never on how far a timed hold
# carries it: the frame rate and the guests in the way decide that. The
# players take the product's key path into level1_1. After the opening
# player 2 walks the Killer down to the bottom wall, left until the
# Detective in the bottom-left corner (or the wall) stops it, a step right
# into the cake's column, and up until the cake stops it. It poisons the
# cake (/) and, once the cake shows the use over, walks right along the
# cake's underside until the buffet stops it, poisons the buffet and, once
# that use is over, steps down, out of the way of the guests who come to
# eat. Until a guest eats the poison the Killer goes back to the cake and
# round again. The Killer's outro ends on the Killer's winner panel (its
# first panic strike lit), and Backspace from there returns to the main
# menu. A failing step leaves its screen shot beside the build.
# Usage: match_killer_wins.sh <corvidale binary> <source root>
source "$(dirname "$0")/game_walk.bash" "$@"
source "$(dirname "$0")/match_steps.bash"

prepare_resources() {
  echo '<?xml version="1.0"?><K><kills_to_win int="2"/></K>' >"$WORK/Resources/killer_objective.xml"
}
# The cake stands a hair off the left wall: a Killer on the wall would slip
# up past it, so it steps off the wall into the cake's column first.
up_to_the_cake() {
  hold Right 0.3
  hold Up "$1"
}
start_match_by_key_path prepare_resources
wait_for_opening
hold Down 7
hold Left 12
up_to_the_cake 8
# Each round poisons both dishes and gives the guests time to eat; left to
# the wall, then up, finds the cake. A use holds the Killer at the dish for
# 3 to 5 s of game time, as long as the dish shows its in-use look, so the
# walk waits for that look to go; a guest's meal there is waited out before
# the press. Presses that start no use (the Killer out of reach) leave the
# round to go on.
# Guests may follow each other at a dish for a while (a meal takes 3 to 5 s),
# so the first wait is the longer one.
poison() {  # <the dish's in-use test> <the dish>
  WAIT_TENTHS=600 wait_until_gone "$1" ||
    fail_with_shot "the guests' meals at the $2 did not pause within $((60 * TIME_SCALE)) s"
  for _ in 1 2 3; do
    tap slash
    WAIT_TENTHS=20 wait_until "$1" && break
  done
  WAIT_TENTHS=300 wait_until_gone "$1" ||
    fail_with_shot "the Killer's use of the $2 was not over within $((30 * TIME_SCALE)) s"
}
won=no
for round in 1 2 3 4 5; do
  poison cake_in_use cake
  hold Right 6
  poison buffet_in_use buffet
  hold Down 1
  if WAIT_TENTHS=250 WAIT_POLL_SECONDS=1 wait_until killer_panel; then
    won=yes
    break
  fi
  hold Left 7
  up_to_the_cake 3
done
[ "$won" = yes ] || fail_with_shot "the poisoned dishes did not win the match for the Killer"
press_until BackSpace killer_panel back_in_menu "Backspace leaves the winner's panel for the main menu"
echo "PASS: key path into level1_1; the Killer poisons the cake and the buffet, the kills reach the target and the Killer's panel shows; Backspace returns to the main menu"
