#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end session of the real program on a private X server, played as a player would:
# start-up creates the score file; F1 opens the help viewer over the game and a second start
# brings the game forward; moves by mouse, planned in the headless rules, until the score
# counts; New offers the top-ten entry, the name is typed and the row shows in red; the level
# commands change title and check mark; the Options dialog changes the shape and hides the
# next colours; the About box opens and closes; Exit writes the settings; without the score
# file, the next start reads them all back.
#
#   player_session.sh PROGRAM SCREEN_CHECK REPLAY SHOTS_DIR
#
# Exit 0 pass, 1 fail, 77 skipped (a tool is missing). Screenshots of the main states go to
# SHOTS_DIR. The server, the game and the temporary folders go on every path out.
set -uo pipefail

program=$1
checker=$2
replay=$3
shots=$4
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
require_tools Xvfb xdotool import convert faketime
source "$here/replay_planner.sh"
source "$here/session_steps.sh"

# The first game's start time; the generator is seeded with it.
readonly first_start="2026-01-01 12:00:00"
readonly second_start="2026-01-02 12:00:00"
readonly browser="/opt/Web Browser/bin/browse"
readonly player="Ada E2E"

e2e_begin
rm -rf "$shots" && mkdir -p "$shots"
scores="$XDG_DATA_HOME/Cobblewell/cobblewell.top"

# Beginner, shape Ball, next colours shown, no traced moves and no faces (which would draw
# from the generator at times of their own).
write_settings "0,2,0,0,0" "2,0,0,0" "$browser"
cp "$settings" "$work/settings-before"

echo "== start-up"
start_game_at "$first_start" Beginner
[[ -f $scores ]] || fail "start-up created no score file"
(($(stat -c %s "$scores") == 1596)) || fail "the new score file is not 1,596 bytes"
cp "$scores" "$work/scores-created"
cmp -s "$settings" "$work/settings-before" || fail "start-up wrote the settings file"
snap 01-start
seed=$(find_seed "$first_start" 0 "0 1 0" 01-start) ||
    fail "the board matches no replay seeded near the start time"
plan_game "$seed" 0 "0 1 0"
echo "ok: score file created; the board is the replay's with seed $seed"

echo "== F1 and a second start"
check_second_start 01-start

echo "== moves by mouse"
play_until_score 40
snap 02-scored
echo "ok: $((${#planned_clicks[@]} / 2)) moves played, score $score as planned"

echo "== top-ten entry"
game_keys ctrl+n
wait_window '^New High Score!$' >/dev/null || fail "New offered no top-ten entry"
dialog_keys '^New High Score!$'
timeout 5 xdotool type --delay 30 "$player"
keys Return
top=$(wait_window '^Top Players of Cobblewell$') || fail "no Top Players dialog after the name"
snap_until 5 03-top-players shows_red "$top" 03-top-players
check_red_first_row "$top" 03-top-players
dialog_keys '^Top Players of Cobblewell$' Return
wait_gone '^Top Players of Cobblewell$' || fail "the Top Players dialog did not close"
echo "ok: the name was asked for and its row shows in red"

echo "== level commands"
choose_level e Expert 2
choose_level b Beginner 0
choose_level i Intermediate 1
check_menu_marks
echo "ok: titles and check marks follow the level"

echo "== Options dialog"
# The level commands dealt three new games, still the replay's.
board_after_options=$(replay_then $'new\nlevel 2\nnew\nlevel 0\nnew\nlevel 1\nnew\n')
expected=$(occupied_cells "$board_after_options")
snap_until 5 05-before-options board_is "$expected" "$shots/05-before-options.png" ||
    fail "the board differs from the replay's after the level commands"
game_keys ctrl+o
wait_window '^Cobblewell Options$' >/dev/null || fail "Ctrl+O opened no Options dialog"
# Next colours off, trace on, and the shape after Ball in the list: Dice.
dialog_keys '^Cobblewell Options$' alt+n alt+t Tab Tab Tab Down
shoot_settled "$shots/05-options-dialog.png"
dialog_keys '^Cobblewell Options$' alt+o
wait_gone '^Cobblewell Options$' || fail "OK did not close the Options dialog"
# The cells that the dialog covered are painted again after it has gone.
snap_until 5 06-after-options options_shown "$expected" 06-after-options
check_options_applied 05-before-options 06-after-options
board_is "$expected" "$shots/06-after-options.png" ||
    fail "the board differs from the replay's after the Options dialog"
echo "ok: the shape changed and the next colours are hidden"

echo "== About"
menu_item help a
wait_window '^About Cobblewell$' >/dev/null || fail "Help > About opened no About box"
shoot_settled "$shots/07-about.png"
dialog_keys '^About Cobblewell$' Return
wait_gone '^About Cobblewell$' || fail "OK did not close the About box"
echo "ok: the About box opens and closes"

echo "== Exit"
exit_game
expect_setting Options "1,3,0,0,0"
expect_setting MoreOptions "1,0,0,0"
expect_setting Browser "$browser"
(($(stat -c %s "$scores") == 1596)) || fail "the score file is not 1,596 bytes after the entry"
cmp -s "$scores" "$work/scores-created" && fail "the accepted entry did not reach the score file"
echo "ok: Exit wrote level, shape, flags and kept the browser; the score file holds the entry"

echo "== settings read back"
rm "$scores"
start_game_at "$second_start" Intermediate
snap 09-restart
check_header 1 3 1
seed=$(find_seed "$second_start" 1 "1 0 0" 09-restart) ||
    fail "the restarted board matches no replay seeded near its start time"
plan_game "$seed" 1 "1 0 0"
check_same_pictures 06-after-options "$board_after_options" 09-restart "$(replay_show)"
next_colours_hidden 09-restart || fail "the next colours show after the restart"
exit_game
expect_setting Options "1,3,0,0,0"
expect_setting MoreOptions "1,0,0,0"
expect_setting Browser "$browser"
echo "ok: level, shape, flags and browser path read back from the settings file"

status=0
