#!/usr/bin/env bash
# A crowd in the real game: twenty guests of the three looks, copies of the
# shared guest archetypes placed over the manor floor, with the emote and panic
# effect templates, as the first scene. The guests are drawn, two shots
# taken seconds apart differ as the guests wander, and a termination signal
# ends the game with status 0.
# Usage: crowd_scene.sh <corvidale binary> <source root>
set -euo pipefail
BINARY="$(realpath "$1")"
SOURCE_ROOT="$2"
source "$(dirname "$0")/game_session.bash"
source "$(dirname "$0")/screen.bash"
source "$(dirname "$0")/player_steps.bash"
FAILURE_SHOT="$(cd "$(dirname "$BINARY")/.." && pwd)/e2e_crowd_scene_failure.png"

# Each guest is its own file: the look's archetype moved to its place.
install_crowd() {
  local scene="$1" folder="$WORK/Resources/$1" looks=(NPCMale1 NPCMale2 NPCFemale1) names=() i x y
  rm -rf "$folder" && mkdir -p "$folder"
  for i in $(seq 0 19); do
    x=$((i % 5 * 220 - 440)) y=$((i / 5 * 140 - 210))
    sed -e "s|<position Vec3=\"0,0,0\"/>|<position Vec3=\"$x,$y,0\"/>|" -e "s|<mPosition Vec3=\"0,0,0\"/>|<mPosition Vec3=\"$x,$y,0\"/>|" \
      "$WORK/Resources/archetypes/Guest_${looks[i % 3]}.xml" >"$folder/guest$i.xml"
    names+=("guest$i.xml")
  done
  cat >"$folder/floor.xml" <<'XML'
<Archetype><Name string="Floor"/><Tag string="decor"/>
  <Sprite><size Vec2="1280,720"/><layer unsigned="0"/><textureID string="Floor_Manor"/><currentAnimSet string="Default"/></Sprite>
</Archetype>
XML
  "$PYTHON" "$SOURCE_ROOT/tools/sceneindex.py" write "$folder/$scene.scene" ../archetypes/Emote.xml \
    ../archetypes/Panic.xml floor.xml "${names[@]}" || fail "cannot write the index of $scene"
}

copy_resources
install_crowd splash
install_crowd mainmenu  # where a splash that moves on by itself leads
start_game_with_window
screen_watch_window
crowd_drawn() { [ "$(pixels_of_kind -640 -360 640 360 lit)" -gt 3000 ]; }
WAIT_TENTHS=150 wait_until crowd_drawn || fail_with_shot "no guests drawn within 15 s"
cp "$SHOT" "$WORK/first"
sleep 3
screen_grab
changed="$( (cmp -l "$WORK/first" "$SHOT" || true) | wc -l)"
[ "$changed" -gt 2000 ] || fail_with_shot "the guests did not move in 3 s ($changed bytes changed)"
kill -TERM "$GAME_PID"
wait_for_exit 100
[ "${STATUS:-running}" = 0 ] || fail "the game ended with status ${STATUS:-none} (or kept running) after SIGTERM"
echo "PASS: twenty guests are drawn and wander, and SIGTERM ends the game with status 0 ($changed bytes changed)"
