#!/usr/bin/env bash
# Started where no display can be opened (over ssh, or a refused X
# connection), the game must say so and end, not run unseen for ever.
# Usage: no_display.sh <corvidale binary> <source root>
set -euo pipefail
BINARY="$1"
SOURCE_ROOT="$2"
source "$(dirname "$0")/game_session.bash"

copy_resources
(cd "$WORK" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
  "$BINARY" </dev/null >"$WORK/game.log" 2>&1) &
GAME_PID=$!
wait_for_exit 100
[ -n "$STATUS" ] || fail "the game was still running 10 s after starting with no display"
[ "$STATUS" -ne 0 ] || fail "the game reported success with no display"
grep -q "^Error: no display" "$WORK/game.log" || fail "no clear error line about the missing display"
echo "no display: the game ended with status $STATUS and said why"
