# Screen shots of the game window and pixel questions about them, in the
# game's own world units: the origin is the window centre and y points up.
# Sourced after game_session.bash, once WINDOW is known: screen_watch_window
# first, then screen_grab before each group of questions.

SCREEN_TOOL="$(dirname "${BASH_SOURCE[0]}")/data/screen.py"
PYTHON="${PYTHON:-/usr/bin/python3}"

# The window's place on the screen: SHOT_X SHOT_Y SHOT_W SHOT_H.
screen_watch_window() {
  local info
  info="$(xwininfo -id "$WINDOW")" || fail "xwininfo cannot see window $WINDOW"
  SHOT_X="$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")"
  SHOT_Y="$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")"
  SHOT_W="$(awk '/Width:/ {print $2}' <<<"$info")"
  SHOT_H="$(awk '/Height:/ {print $2}' <<<"$info")"
  SHOT="$WORK/shot"
}

# Takes a new shot of the window.
screen_grab() {
  "$PYTHON" "$SCREEN_TOOL" grab "$SHOT" "$SHOT_X" "$SHOT_Y" "$SHOT_W" "$SHOT_H" \
    || fail "cannot take a screen shot"
}

# Prints "R G B" of the world point (x, y) in the last shot. The bytes are
# read straight from the shot ("W H" line, then RGB rows): a poll asks for
# several points, and starting Python for each made the polls of a busy
# machine slow enough to miss what the screen showed only for a second.
colour_at() {
  local x=$((SHOT_W / 2 + $1)) y=$((SHOT_H / 2 - $2)) r g b
  if [ "$x" -lt 0 ] || [ "$x" -ge "$SHOT_W" ] || [ "$y" -lt 0 ] || [ "$y" -ge "$SHOT_H" ]; then
    echo "Error: pixel $x,$y is outside the ${SHOT_W}x$SHOT_H shot" >&2
    return 1
  fi
  local header=$((${#SHOT_W} + ${#SHOT_H} + 2))
  read -r r g b < <(od -An -tu1 -j $((header + (y * SHOT_W + x) * 3)) -N3 "$SHOT")
  [ -n "$b" ] || { echo "Error: $SHOT is shorter than a ${SHOT_W}x$SHOT_H shot" >&2; return 1; }
  echo "$r $g $b"
}

# True when two "R G B" colours differ by at most $3 in every channel.
colours_match() {
  local a b tolerance="$3" i d
  read -r -a a <<<"$1"
  read -r -a b <<<"$2"
  for i in 0 1 2; do
    d=$((a[i] - b[i]))
    [ "${d#-}" -le "$tolerance" ] || return 1
  done
}

# True when the world point (x, y) of the last shot shows the colour $3 (within 4).
shows_colour() {
  colours_match "$(colour_at "$1" "$2")" "$3" 4
}

# Prints how many pixels of the world rectangle (left, bottom, right, top)
# in the last shot are of the kind $5: "text" (the UI text's gold) or "lit".
pixels_of_kind() {
  "$PYTHON" "$SCREEN_TOOL" count "$SHOT" "$5" $((SHOT_W / 2 + $1)) $((SHOT_H / 2 - $4)) \
    $((SHOT_W / 2 + $3)) $((SHOT_H / 2 - $2))
}

# Writes a fresh shot as a PNG to $1; false (without failing) when it cannot.
screen_keep_png() {
  "$PYTHON" "$SCREEN_TOOL" grab "$SHOT" "$SHOT_X" "$SHOT_Y" "$SHOT_W" "$SHOT_H" 2>/dev/null \
    && "$PYTHON" "$SCREEN_TOOL" png "$SHOT" "$1" 2>/dev/null
}

# Prints how many pixels of the world rectangle (left, bottom, right, top)
# changed between the shot kept as $5 and the last shot.
pixels_changed() {
  "$PYTHON" "$SCREEN_TOOL" changed "$SHOT" "$5" $((SHOT_W / 2 + $1)) $((SHOT_H / 2 - $4)) \
    $((SHOT_W / 2 + $3)) $((SHOT_H / 2 - $2))
}
