#!/usr/bin/env bash
# A press shorter than one frame counts: with slow frames under software GL
# (the main menu made of thousands of window-sized sprites, the splash left
# empty), Alt+F4 held for a fifth of a frame ends the game with status 0.
# The frame's length is measured in the same run, from the window's presents,
# so the press falls between two of the frame loop's reads of the keys and
# the wait for the exit covers a few frames, however fast the machine draws.
# Usage: quit_keys_slow_frames.sh <corvidale binary> <source root>
source "$(dirname "$0")/game_walk.bash" "$@"
KEY_F4=70 KEY_ALT_L=64  # X keycodes, as in input_keys.sh
# Shorter presses than this are not typed reliably by xdotool.
SHORTEST_PRESS=0.02

copy_resources
"$PYTHON" - "$SOURCE_ROOT/tools/sceneindex.py" "$WORK/Resources" "${SLOW_FRAME_SPRITES:-6000}" <<'PY'
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
start_game_with_window
xdotool windowfocus "$WINDOW" 2>/dev/null || true
screen_watch_window
# Full colour: the fade-in is over, and input is back from the next frame on.
sprites_shown() { shows_colour 0 0 "77 77 153"; }
WAIT_TENTHS=600 WAIT_POLL_SECONDS=0.5 wait_until sprites_shown || fail_with_shot "the heavy scene was not shown"

FRAME="$("$PYTHON" "$(dirname "$0")/data/presents.py" period "$WINDOW" 2 $((120 * TIME_SCALE)))" ||
  fail "the heavy scene stopped presenting frames"
FRAME="${FRAME#period=}"
PRESS="$(awk -v frame="$FRAME" 'BEGIN { printf "%.3f", frame / 5 }')"
awk -v press="$PRESS" -v shortest="$SHORTEST_PRESS" 'BEGIN { exit !(press >= shortest) }' ||
  fail "frames of $FRAME s leave no room for a press shorter than a frame: raise SLOW_FRAME_SPRITES"
# The game ends with the frame after the one the keys went up in; the rest
# is its shut-down.
LIMIT_TENTHS="$(awk -v frame="$FRAME" 'BEGIN { printf "%d", (3 * frame + 10) * 10 }')"
xdotool keydown "$KEY_ALT_L" keydown "$KEY_F4" sleep "$PRESS" keyup "$KEY_F4" keyup "$KEY_ALT_L"
wait_for_exit "$LIMIT_TENTHS"
[ -n "$STATUS" ] || fail_with_shot "the game was still running $((LIMIT_TENTHS * TIME_SCALE / 10)) s after an Alt+F4 of $PRESS s (frames of $FRAME s)"
[ "$STATUS" -eq 0 ] || fail "Alt+F4 ended the game with status $STATUS"
echo "PASS: an Alt+F4 of $PRESS s ended a game whose frames take $FRAME s"
