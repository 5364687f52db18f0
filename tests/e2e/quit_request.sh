#!/usr/bin/env bash
# The real game with the user's own configuration: the window takes its
# title and size from it and the file is left as written. Both ways the
# desktop asks a program to end go through the quit path and end the game
# with status 0: the window's close request (close button, the window
# manager's Alt+F4) and a termination signal (log-out, shutdown).
# Usage: quit_request.sh <corvidale binary> <source root>
set -euo pipefail
BINARY="$1"
SOURCE_ROOT="$2"
source "$(dirname "$0")/game_session.bash"

copy_resources
printf 'MyGame 800 600' >"$WORK/Resources/Config.cfg"

for request in close signal; do
  start_game
  wait_for_window MyGame
  expect_window_size 800x600
  sleep 1
  quit_by_request "$request" "MyGame"
done
[ "$(cat "$WORK/Resources/Config.cfg")" = "MyGame 800 600" ] || fail "Config.cfg was rewritten"
echo "PASS: MyGame 800x600 from the user's file; close request and signal each ended the game with status 0"
