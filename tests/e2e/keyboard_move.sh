#!/usr/bin/env bash
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
arrows_between() { # from to
    local dr=$(($2 / 9 - $1 / 9)) dc=$(($2 % 9 - $1 % 9)) keys=()
    for ((; dr > 0; dr--)); do keys+=(Down); done
    for ((; dr < 0; dr++)); do keys+=(Up); done
    for ((; dc > 0; dc--)); do keys+=(Right); done
    for ((; dc < 0; dc++)); do keys+=(Left); done
    echo "${keys[@]}"
}
# The cells of SHOT whose upper part looks as CELL of REFERENCE does.
looking_like() { # reference cell shot
    "$checker" match "$work/$1.png" "$2" "$work/$3.png" "$client_x" "$client_y"
}

start_game
sleep 0.5
shoot before
# No cursor yet: it would make a sixth cell look different.
read -ra balls <<<"$("$checker" balls "$work/before.png" "$client_x" "$client_y")"
((${#balls[@]} == 5)) || fail "expected the 5 balls of a new game, found: ${balls[*]}"

press Up
sleep 0.3
shoot cursor
contains "$centre" $(looking_like before "$centre" cursor) &&
    fail "the first arrow key showed no cursor on the centre cell"
echo "ok: the first arrow key shows the cursor on the centre cell"

# The ball and empty cell farthest apart, as the traced move takes them.
farthest_move "${balls[@]}"

press $(arrows_between "$centre" "$source") space
sleep 0.4
# The last arrow waits for the move to end, then takes the cursor off the target so the
# ball there shows as it did before.
away=$((target / 9 < 8 ? target + 9 : target - 9))
press $(arrows_between "$source" "$target") Return $(arrows_between "$target" "$away")
deadline=$((SECONDS + 10))
while true; do
    sleep 0.3
    shoot after
    contains "$target" $(looking_like before "$source" after) && break
    ((SECONDS < deadline)) || fail "the ball from $source is not on its target $target"
done
echo "ok: Space and Enter moved the ball from $source to $target"

# A click on the toolbar's bare strip hides the cursor and plays nothing. The new balls
# have landed by then.
sleep 1
shoot marked
timeout 5 xdotool mousemove $((client_x + 8)) $((client_y + 8)) click 1
sleep 0.3
shoot clicked
contains "$away" $(looking_like marked "$away" clicked) &&
    fail "the cursor on $away stayed after a mouse click"
echo "ok: a mouse click hides the cursor"

status=0
