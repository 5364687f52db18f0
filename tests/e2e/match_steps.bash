# Steps of the end-to-end match walks: the players' key path from the
# splash into level1_1, and what the match shows. Sourced after
# game_session.bash, screen.bash and player_steps.bash; defines functions
# and colours only.

# The front end's button faces and role markers (tools/make_frontend_art.py),
# read 12 pixels inside a button's left edge; buttons are 260 wide.
PLAIN_FACE="62 38 72"
FOCUS_FACE="104 66 118"
P1_GOLD="222 161 46"
P2_TEAL="64 170 176"
face_is() { shows_colour $(($1 - 118)) "$2" "$3"; }
focused() { face_is "$1" "$2" "$FOCUS_FACE"; }
plain() { face_is "$1" "$2" "$PLAIN_FACE"; }
marker_at() { shows_colour $(($1 - 32)) "$2" "$3"; }
main_on_play() { focused 0 60 && plain 0 -20 && plain 0 -100; }
select_on_play() { focused 0 -180 && plain 0 -240 && plain 0 -300; }
detective_p1() { select_on_play && marker_at -380 20 "$P1_GOLD" && marker_at 0 20 "$P2_TEAL"; }
roles_taken() { marker_at -380 20 "$P1_GOLD" && marker_at 380 20 "$P2_TEAL"; }
levels_on_first() { focused -400 190 && plain -400 128 && plain -400 -318; }

# The match (tools/make_match_screens.py, tools/make_match_art.py): the HUD
# bar's gold edge along its bottom; the pause panel's focused Resume button;
# a winner panel's plum face, and on the Killer's panel the first panic
# strike icon (the opening death's strike), red.
MATCH_GOLD="222 161 46"
PANEL_PLUM="27 18 34"
STRIKE_RED="196 40 40"
in_match() { shows_colour 0 299 "$MATCH_GOLD"; }
paused() { shows_colour -108 124 "$FOCUS_FACE"; }
panel_up() { shows_colour 300 0 "$PANEL_PLUM"; }
killer_panel() { panel_up && shows_colour -150 -43 "$STRIKE_RED" && panel_text; }
# The panel's own lines are on it, wherever the camera has gone.
panel_text() { [ "$(pixels_of_kind -330 -90 430 100 text)" -gt 300 ]; }
detective_panel() { panel_up && ! shows_colour -150 -43 "$STRIKE_RED" && panel_text; }
back_in_menu() { main_on_play; }
# A dish in use (tools/art_props.py): the cake's knife, or the buffet's
# serving spoon, which moves from tray to tray as the look animates; silver
# grey, which a free dish shows at none of these points.
SERVER_GREY="184 188 196"
cake_in_use() { shows_colour -516 194 "$SERVER_GREY"; }
buffet_in_use() {
  shows_colour -211 196 "$SERVER_GREY" || shows_colour -182 196 "$SERVER_GREY" || shows_colour -153 196 "$SERVER_GREY"
}
# The Detective's coat where its entrance ends, in the bottom-left corner.
COAT_BEIGE="214 180 124"
detective_in_corner() { shows_colour -572 -283 "$COAT_BEIGE" && shows_colour -572 -299 "$COAT_BEIGE"; }

# The opening is over once a guest has died, the arrival countdown has come
# and gone and the Detective stands in its corner, where the walks lean on it.
wait_for_opening() {
  WAIT_TENTHS=300 wait_until countdown_shown || fail_with_shot "no arrival countdown within $((30 * TIME_SCALE)) s"
  WAIT_TENTHS=150 wait_until countdown_gone || fail_with_shot "the arrival countdown did not end"
  WAIT_TENTHS=100 wait_until detective_in_corner || fail_with_shot "the Detective did not arrive in the bottom-left corner"
}

# The seeded game through the product's key path: Space skips the splash,
# Space presses Play, A makes player 1 the Detective and Right makes player
# 2 the Killer, Space presses Play, Space presses level1_1's button. The
# command "$@" (if any) runs on the copied game data first.
start_match_by_key_path() {
  copy_resources
  "$@"
  export CORVIDALE_SEED="${CORVIDALE_SEED:-11}"
  start_game_with_window
  screen_watch_window
  skip_splash_holding_space main_on_play
  press_until space main_on_play select_on_play "Space presses Play"
  press_until a select_on_play detective_p1 "A makes player 1 the Detective"
  press_until Right detective_p1 roles_taken "Right makes player 2 the Killer"
  press_until space roles_taken levels_on_first "Space presses Play: the level select on level1_1"
  press_until space levels_on_first in_match "Space presses level1_1's button"
}

# Holds the key $1 for $2 seconds.
hold() {
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
}
