#!/usr/bin/env bash
# A press shorter than one frame counts: with slow frames under software GL
# (the main menu made of thousands of window-sized sprites, the splash left
# empty), Alt+F4 held for a fifth of a frame ends the game with status 0.
# The frame's length is measured in the same run, from the window's presents,
# so the press falls between two of the frame loop's reads of the keys and
# the wait for the exit covers a few frames. A machine that draws the frames
# too quickly gets a game with more sprites, so the walk holds however fast
# the machine is.
# Usage: quit_keys_slow_frames.sh <corvidale binary> <source root>
# SLOW_FRAME_SPRITES: the sprites of the first game (1000); later ones may have more.
source "$(dirname "$0")/game_walk.bash" "$@"
KEY_F4=70 KEY_ALT_L=64  # X keycodes, as in input_keys.sh
# Shorter presses than this are not typed reliably by xdotool.
SHORTEST_PRESS=0.02
# Frames shorter than this are made longer by a game with more sprites,
# aiming at twice as long; a few rounds, within a bound on the sprites.
FRAME_WANTED=0.25 MOST_SPRITES=20000 MOST_ROUNDS=4
# One render thread, so the frame does not shrink as the machine's cores
# grow: the sprites then make up only for the speed of one core.
export LP_NUM_THREADS=1

copy_resources
write_heavy_menu() {  # <sprites>
  "$PYTHON" - "$SOURCE_ROOT/tools/sceneindex.py" "$WORK/Resources" "$1" <<'PY'
import subprocess, sys
tool, resources, count = sys.argv[1:4]
with open(resources + "/mainmenu/weight.xml", "w") as f:
    f.write('<Archetype><Enabled bool="true"/><Name string="Weight"/><Transform><position Vec3="0,0,0"/>'
            '<scale Vec3="1,1,1"/><rotation float="0"/></Transform><Sprite><position Vec2="0,0"/>'
            '<size Vec2="1280,720"/><color Vec4="0.3,0.3,0.6,1"/><layer unsigned="2"/>'
            '<textureID string="blank"/></Sprite></Archetype>')
for scene, entries in (("splash", []), ("mainmenu", ["weight.xml"] * int(count))):
    subprocess.run([sys.executable, tool, "write", "%s/%s/%s.scene" % (resources, scene, scene)] + entries, check=True)
PY
}

# Full colour: the fade-in is over, and input is back from the next frame on.
sprites_shown() { shows_colour 0 0 "77 77 153"; }

# Starts a game whose main menu holds $1 sprites and sets FRAME to the
# length of its frames, in seconds, once the menu shows.
start_heavy_game() {
  write_heavy_menu "$1"
  start_game_with_window
  xdotool windowfocus "$WINDOW" 2>/dev/null || true
  screen_watch_window
  WAIT_TENTHS=600 WAIT_POLL_SECONDS=0.5 wait_until sprites_shown ||
    fail_with_shot "the heavy scene of $1 sprites was not shown"
  FRAME="$("$PYTHON" "$(dirname "$0")/data/presents.py" period "$WINDOW" 2 $((120 * TIME_SCALE)))" ||
    fail "the heavy scene stopped presenting frames"
  FRAME="${FRAME#period=}"
}

# A game that is ended to start a heavier one must not have made a report
# that its successor's log would hide.
end_game_for_a_heavier_one() {
  kill -KILL "$GAME_PID"
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=""
  sanitizer_report && fail "the game made a sanitizer report"
  return 0
}

frame_too_short() { awk -v frame="$FRAME" -v wanted="$FRAME_WANTED" 'BEGIN { exit !(frame < wanted) }'; }

SPRITES="${SLOW_FRAME_SPRITES:-1000}"
[[ "$SPRITES" =~ ^[1-9][0-9]*$ ]] || fail "SLOW_FRAME_SPRITES must be a whole number above 0, not '$SPRITES'"
start_heavy_game "$SPRITES"
for _ in $(seq 2 "$MOST_ROUNDS"); do
  frame_too_short && [ "$SPRITES" -lt "$MOST_SPRITES" ] || break
  # Twice the frame wanted, as if the frame grew with the sprites; at most
  # sixteen times as many in one round, since a frame paced to the display
  # says little of how long drawing it takes.
  SPRITES="$(awk -v sprites="$SPRITES" -v frame="$FRAME" -v wanted="$FRAME_WANTED" -v most="$MOST_SPRITES" \
    'BEGIN { factor = 2 * wanted / frame; if (factor > 16) factor = 16
             sprites = int(sprites * factor) + 1; print (sprites < most ? sprites : most) }')"
  echo "note: frames of $FRAME s are short; starting a game with $SPRITES sprites" >&2
  end_game_for_a_heavier_one
  start_heavy_game "$SPRITES"
done

PRESS="$(awk -v frame="$FRAME" 'BEGIN { printf "%.3f", frame / 5 }')"
awk -v press="$PRESS" -v shortest="$SHORTEST_PRESS" 'BEGIN { exit !(press >= shortest) }' ||
  fail "frames of $FRAME s with $SPRITES sprites leave no room for a press shorter than a frame: raise SLOW_FRAME_SPRITES"
# The game ends with the frame after the one the keys went up in; the rest
# is its shut-down.
LIMIT_TENTHS="$(awk -v frame="$FRAME" 'BEGIN { printf "%d", (3 * frame + 10) * 10 }')"
xdotool keydown "$KEY_ALT_L" keydown "$KEY_F4" sleep "$PRESS" keyup "$KEY_F4" keyup "$KEY_ALT_L"
wait_for_exit "$LIMIT_TENTHS"
[ -n "$STATUS" ] || fail_with_shot "the game was still running $((LIMIT_TENTHS * TIME_SCALE / 10)) s after an Alt+F4 of $PRESS s (frames of $FRAME s)"
[ "$STATUS" -eq 0 ] || fail "Alt+F4 ended the game with status $STATUS"
echo "PASS: an Alt+F4 of $PRESS s ended a game whose frames take $FRAME s"
