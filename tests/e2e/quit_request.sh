#!/usr/bin/env bash
# The real game with the user's own configuration: the window takes its
# title and size from it, the file is left as written, and a quit request
# from outside (the way a window manager's close or a shutdown asks) ends the
# game through the quit path with status 0.
# Usage: quit_request.sh <corvidale binary> <source root>
set -euo pipefail
BINARY="$1"
SOURCE_ROOT="$2"
source "$(dirname "$0")/game_session.bash"

copy_resources
printf 'MyGame 800 600' >"$WORK/Resources/Config.cfg"
start_game
wait_for_window MyGame
expect_window_size 800x600

sleep 1
kill -TERM "$GAME_PID"
wait_for_exit 50
[ -n "$STATUS" ] || fail "the game was still running 5 s after the quit request"
[ "$STATUS" -eq 0 ] || fail "the game ended with status $STATUS"
[ "$(cat "$WORK/Resources/Config.cfg")" = "MyGame 800 600" ] || fail "Config.cfg was rewritten"
echo "PASS: MyGame 800x600 from the user's file, quit request ended the game with status 0"
