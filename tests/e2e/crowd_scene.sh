#!/usr/bin/env bash
# A crowd in the real game: twenty guests of the three looks, copies of the
# shared guest archetypes placed over the manor floor, with the shared buffet,
# cake and jukebox and the emote and panic effect templates, as the first
# scene. Shots after the fade-in come to differ on the floor, where the
# guests wander, but not on the wall above it; a termination signal
# ends the game with status 0.
# Usage: crowd_scene.sh <corvidale binary> <source root>
source "$(dirname "$0")/game_walk.bash" "$@"

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
    ../archetypes/Panic.xml floor.xml ../archetypes/Food_Buffet.xml ../archetypes/Food_Cake.xml ../archetypes/Jukebox.xml \
    "${names[@]}" || fail "cannot write the index of $scene"
}

copy_resources
install_crowd splash
install_crowd mainmenu  # where a splash that moves on by itself leads
start_game_with_window
screen_watch_window
shown() { [ "$(pixels_of_kind -640 -360 640 360 lit)" -gt 100000 ]; }
WAIT_TENTHS=150 wait_until shown || fail_with_shot "the crowd scene was not shown within $((15 * TIME_SCALE)) s"
# Sets WALL and FLOOR to the bytes changed since the shot $1 in the top 20
# rows (the wall, where nobody walks; a bubble over a guest at the top of
# the floor reaches row 28) and below.
rows_changed() {
  read -r WALL FLOOR < <(cmp -l "$1" "$SHOT" | awk -v top=$((20 * SHOT_W * 3)) \
    '{ if ($1 < top) w++; else f++ } END { print w + 0, f + 0 }')
}
# The fade-in is over once a newer frame (guests moved on the floor) left
# the wall as it was.
cp "$SHOT" "$WORK/last"
faded_in() {
  rows_changed "$WORK/last"
  cp "$SHOT" "$WORK/last"
  [ "$WALL" -eq 0 ] && [ "$FLOOR" -gt 0 ]
}
WAIT_TENTHS=100 wait_until faded_in || fail_with_shot "the wall kept changing: still fading?"
cp "$SHOT" "$WORK/first"
guests_moved() { rows_changed "$WORK/first" && [ "$FLOOR" -gt 2000 ]; }
WAIT_TENTHS=100 wait_until guests_moved || fail_with_shot "the guests did not move ($FLOOR bytes changed)"
[ "$WALL" -eq 0 ] || fail_with_shot "the wall changed as the guests moved ($WALL bytes)"
floor="$FLOOR"
screen_keep_png "${FAILURE_SHOT%_failure.png}.png" || true
kill -TERM "$GAME_PID"
wait_for_exit 100
[ "${STATUS:-running}" = 0 ] || fail "the game ended with status ${STATUS:-none} (or kept running) after SIGTERM"
echo "PASS: twenty guests wander over the floor ($floor bytes changed), and SIGTERM ends the game with status 0"
