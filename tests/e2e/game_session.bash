# Shared steps of the end-to-end scripts: run the real game in a temporary
# copy of Resources/ on the test display and watch its window.
# Sourced, not run: the scripts set BINARY and SOURCE_ROOT first.

# The game's log first, so the verdict is the last line.
fail() {
  [ -f "${WORK:-}/game.log" ] && sed 's/^/  game: /' "$WORK/game.log" >&2
  echo "FAIL: $*" >&2
  exit 1
}

[ -n "${DISPLAY:-}" ] || fail "no DISPLAY: run through the test command, which starts Xvfb"
for tool in xdotool xwininfo; do command -v "$tool" >/dev/null || fail "$tool is missing"; done

WORK="$(mktemp -d)"
GAME_PID=""
# Every deadline of a walk is multiplied by this: the sanitizer build runs
# the game about three times slower. A busy machine only makes the walks
# slower, so the deadlines are generous and nothing waits a fixed time for
# the game to have got somewhere.
TIME_SCALE=1
if ldd "$BINARY" 2>/dev/null | grep -q libasan; then TIME_SCALE=3; fi
# In the sanitizer build a report fails the walk, whatever the game's status.
sanitizer_report() { grep -sqE "ERROR: [A-Za-z]+Sanitizer|runtime error:" "$WORK/game.log"; }

cleanup() {
  local status=$?
  if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
    kill -KILL "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true  # reaped here, so bash adds no "Killed" line after the verdict
  fi
  if [ "$status" -eq 0 ] && sanitizer_report; then
    sed 's/^/  game: /' "$WORK/game.log" >&2
    echo "FAIL: the game made a sanitizer report" >&2
    status=1
  fi
  chmod -R u+w "$WORK" 2>/dev/null || true  # a test may have made its copy read-only
  rm -rf "$WORK"
  exit "$status"
}
trap cleanup EXIT

# Sleeps $1 tenths of a second times TIME_SCALE: for a key held over a few
# frames, or a short pause between steps, never to wait for the game.
pause_tenths() {
  local tenths=$(($1 * TIME_SCALE))
  sleep "$((tenths / 10)).$((tenths % 10))"
}

# A copy of the shipped Resources/ without the configuration file.
copy_resources() {
  mkdir -p "$WORK/Resources"
  cp -r "$SOURCE_ROOT/Resources/." "$WORK/Resources/"
  rm -f "$WORK/Resources/Config.cfg"
}

# A working folder that holds Resources/ is the one the game uses.
start_game() {
  (cd "$WORK" && SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" exec "$BINARY" </dev/null >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
  RESTART=start_game
}

# True once, after a game started by start_game ended at start because the
# display refused its connection (Xvfb on a machine busy with other work
# does, now and then), and was started again.
restarted_after_refused_display() {
  [ "${RESTART:-}" = start_game ] && grep -q "^Error: no display" "$WORK/game.log" || return 1
  RESTART=""
  sleep 1
  start_game
  RESTART=""
}

# Sets WINDOW to the visible window with exactly this title.
wait_for_window() {
  WINDOW=""
  for _ in $(seq $((100 * TIME_SCALE))); do
    kill -0 "$GAME_PID" 2>/dev/null || restarted_after_refused_display ||
      fail "the game ended before its window appeared"
    WINDOW="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)"
    [ -n "$WINDOW" ] && return 0
    sleep 0.2
  done
  fail "no visible window titled $1 within $((20 * TIME_SCALE)) s"
}

# The window reaches the size (WIDTHxHEIGHT) within a few seconds.
expect_window_size() {
  local size=""
  for _ in $(seq $((50 * TIME_SCALE))); do
    size="$(xwininfo -id "$WINDOW" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')"
    [ "$size" = "$1" ] && return 0
    sleep 0.1
  done
  fail "window is $size, expected $1"
}

# Sets STATUS to the game's exit status once it has ended within $1 tenths
# of a second (times TIME_SCALE); leaves it empty when the game is still running.
wait_for_exit() {
  STATUS=""
  for _ in $(seq $(($1 * TIME_SCALE))); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      set +e
      wait "$GAME_PID"
      STATUS=$?
      set -e
      GAME_PID=""
      sanitizer_report && fail "the game made a sanitizer report"
      return 0
    fi
    sleep 0.1
  done
}

# Asks the game to end the ways the desktop does: the window's close request
# (close button, the window manager's Alt+F4) or SIGTERM (log-out). Fails
# unless it ends with status 0 within 5 s (times TIME_SCALE).
quit_by_request() {  # <close|signal> <what is being tested>
  case "$1" in
    close) python3 "$(dirname "${BASH_SOURCE[0]}")/close_window.py" "$WINDOW" ;;
    signal) kill -TERM "$GAME_PID" ;;
  esac
  wait_for_exit 50
  [ -n "$STATUS" ] || fail "$2 $1: the game was still running 5 s after the quit request"
  [ "$STATUS" -eq 0 ] || fail "$2 $1: the game ended with status $STATUS"
}
