#!/usr/bin/env bash
# Start-up with a damaged Resources/ neither crashes nor hangs: with an empty
# folder and with a read-only copy that has no Config.cfg, the game opens its
# default 1280x720 CORVIDALE window, runs, and ends with status 0 when asked.
# The read-only copy is left untouched.
# Usage: bad_resources.sh <corvidale binary> <source root>
set -euo pipefail
BINARY="$1"
SOURCE_ROOT="$2"
source "$(dirname "$0")/game_session.bash"

run_and_quit() {
  wait_for_window CORVIDALE
  expect_window_size 1280x720
  sleep 1
  kill -0 "$GAME_PID" 2>/dev/null || fail "$1: the game ended on its own"
  kill -TERM "$GAME_PID"
  wait_for_exit 50
  [ -n "$STATUS" ] || fail "$1: the game was still running 5 s after the quit request"
  [ "$STATUS" -eq 0 ] || fail "$1: the game ended with status $STATUS"
}

# An empty Resources/: every list and setting is missing.
mkdir -p "$WORK/Resources"
start_game
run_and_quit "empty Resources"
grep -q "^Error: \|cannot be initialised" "$WORK/game.log" || fail "empty Resources: nothing reported"

# A read-only copy. Root writes through file permissions, so as root the copy
# is mounted read-only in a private mount namespace when that is allowed.
rm -rf "$WORK/Resources"
copy_resources
LISTING="$(cd "$WORK/Resources" && find . | sort)"
READ_ONLY_MOUNT="cd '$WORK' && mount --bind Resources Resources && mount -o remount,bind,ro Resources"
if [ "$(id -u)" -ne 0 ]; then
  chmod -R a-w "$WORK/Resources"
  start_game
elif unshare -m sh -c "$READ_ONLY_MOUNT" 2>/dev/null; then
  (cd "$WORK" && exec unshare -m sh -c "$READ_ONLY_MOUNT"' && exec "$0"' "$BINARY" </dev/null >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
  RESTART=""
else
  echo "SKIP: read-only Resources (root, but no read-only mounts allowed here)"
  exit 0
fi
run_and_quit "read-only Resources"
chmod -R u+w "$WORK/Resources"
[ "$(cd "$WORK/Resources" && find . | sort)" = "$LISTING" ] || fail "files appeared in the read-only Resources"
echo "PASS: empty and read-only Resources start the default window and quit with status 0"
