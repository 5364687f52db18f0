#!/usr/bin/env bash
# A press shorter than one frame counts: with frames of seconds under software
# GL (the main menu made of thousands of window-sized sprites, the splash left
# empty), Alt+F4 held for 200 ms ends the game with status 0 within 10 s.
# Usage: quit_keys_slow_frames.sh <corvidale binary> <source root>
source "$(dirname "$0")/game_walk.bash" "$@"
KEY_F4=70 KEY_ALT_L=64  # X keycodes, as in input_keys.sh
# The game ends with the frame after the one the keys went up in. The
# session's waits stretch this for the sanitizer build, which runs about
# three times slower.
LIMIT_SECONDS=10

copy_resources
"$PYTHON" - "$SOURCE_ROOT/tools/sceneindex.py" "$WORK/Resources" "${SLOW_FRAME_SPRITES:-20000}" <<'PY'
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
WAIT_TENTHS=$((LIMIT_SECONDS * 60)) WAIT_POLL_SECONDS=0.5 wait_until sprites_shown \
  || fail_with_shot "the heavy scene was not shown"
sleep 0.5
xdotool keydown "$KEY_ALT_L" keydown "$KEY_F4"
sleep 0.2
xdotool keyup "$KEY_F4" keyup "$KEY_ALT_L"
wait_for_exit $((LIMIT_SECONDS * 10 - 2))
[ -n "$STATUS" ] || fail_with_shot "the game was still running $((LIMIT_SECONDS * TIME_SCALE)) s after a 200 ms Alt+F4"
[ "$STATUS" -eq 0 ] || fail "Alt+F4 ended the game with status $STATUS"
echo "PASS: a 200 ms Alt+F4 ended a game whose frames take seconds"
