#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check of keyboard play on a private X server: the first arrow key shows the
# keyboard cursor on the centre cell, the arrows walk it to a ball, Space selects the ball,
# Enter moves it to an empty cell, and the screen shows it there; a mouse click hides the
# cursor again.
#
#   keyboard_move.sh PROGRAM SCREEN_CHECK
#
# Exit 0 pass, 1 fail, 77 skipped (a tool is missing).
set -uo pipefail

program=$1
checker=$2
source "$(dirname "$0")/lib.sh"
require_tools Xvfb xdotool import
e2e_begin

readonly centre=40

# Without a window manager nobody gives the game the keyboard: the script does.
press() { # key...
    timeout 5 xdotool windowfocus --sync "$window" || fail "cannot focus the game"
    timeout 10 xdotool key --delay 60 "$@" || fail "keys $*"
}
# Whether the given cell of SHOT looks as CELL of REFERENCE does.
looks_alike() { # reference cell shot cell
    contains "$4" $(cells_like "$work/$1.png" "$2" "$work/$3.png")
}
looks_changed() { # reference cell shot: the cell no longer looks as it did
    ! looks_alike "$1" "$2" "$3" "$2"
}

# Beginner, shape Ball, traced moves and next colours on, no faces: a face's pause would hold
# the keys back at a time of its own.
write_settings "0,2,0,0,0" "3,0,0,0"
start_game
# No cursor yet: it would make a sixth cell look different.
shoot_until 10 "$work/before.png" shows_new_game "$work/before.png" ||
    fail "expected the 5 balls of a new game, found: $(balls_on "$work/before.png")"
read -ra balls <<<"$(balls_on "$work/before.png")"

press Up
shoot_until 5 "$work/cursor.png" looks_changed before "$centre" cursor ||
    fail "the first arrow key showed no cursor on the centre cell"
echo "ok: the first arrow key shows the cursor on the centre cell"

# The ball and the reachable empty cell farthest apart, as the traced move takes them.
farthest_move "${balls[@]}"

# The keys wait in the queue while the move and the drop after it hold the window; the last
# arrow then takes the cursor off the target so the ball there shows as it did before.
away=$((target / 9 < 8 ? target + 9 : target - 9))
press $(arrows_between "$centre" "$source") space \
    $(arrows_between "$source" "$target") Return $(arrows_between "$target" "$away")
shoot_until 10 "$work/after.png" looks_alike before "$source" after "$target" ||
    fail "the ball from $source is not on its target $target"
echo "ok: Space and Enter moved the ball from $source to $target"

# The target lost the cursor in the same key press that marked the cell away from it, after
# the new balls had landed; that mark is on screen by now.
shoot marked
# A click on the toolbar's bare strip hides the cursor and plays nothing.
timeout 5 xdotool mousemove $((client_x + 8)) $((client_y + 8)) click 1
shoot_until 5 "$work/clicked.png" looks_changed marked "$away" clicked ||
    fail "the cursor on $away stayed after a mouse click"
echo "ok: a mouse click hides the cursor"

status=0
