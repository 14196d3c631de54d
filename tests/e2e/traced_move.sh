#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check of the real program on a private X server: a selected ball walks across
# the board cell by cell and stands on its target afterwards, and a click made meanwhile acts
# after the move; of ten starts at once one is the game; a second start leaves the running game
# alone (which takes on and ends the start's X11 launch), and says so beside a stopped one; a
# game killed outright does not keep the next one from starting; SIGTERM ends it with status 0.
#
#   traced_move.sh PROGRAM SCREEN_CHECK
#
# Exit 0 pass, 1 fail, 77 skipped (a tool is missing). The server, the game and the
# temporary folders go on every path out; screenshots of a failed run are kept in
# ./e2e-artifacts.
set -uo pipefail

program=$1
checker=$2
source "$(dirname "$0")/lib.sh"
require_tools Xvfb xdotool import xprop xev
e2e_begin
root_watched() {
    xprop -root -f _COBBLEWELL_PING 8s -set _COBBLEWELL_PING 1 &&
        grep -q PropertyNotify "$work/root.log"
}

# Beginner, shape Ball, traced moves and next colours on, no faces: a face on the moved ball
# would hide it on its target.
write_settings "0,2,0,0,0" "3,0,0,0"
race_starts 10 "$program"
locate_game
echo "ok: of ten starts released together one is the game, the others end with status 0"
shoot_until 10 "$work/before.png" shows_new_game "$work/before.png" ||
    fail "expected the 5 balls of a new game, found: $(balls_on "$work/before.png")"
read -ra balls <<<"$(balls_on "$work/before.png")"

# The ball and the reachable empty cell farthest apart give the longest walk to watch.
farthest_move "${balls[@]}"
read -ra alike <<<"$(cells_like "$work/before.png" "$source" "$work/before.png")"

# Clicks act in the order they came; the third, made during the move, acts once it is over.
for other in "${balls[@]}"; do ((other != source)) && break; done
click_cell "$source"
click_cell "$target"
click_cell "$other"
walk_seen=0
deadline=$((SECONDS + 6))
for ((shot = 0; SECONDS < deadline; shot++)); do
    shoot "during-$shot"
    read -ra showing <<<"$(cells_like "$work/before.png" "$source" "$work/during-$shot.png")"
    contains "$target" "${showing[@]}" && break
    for cell in "${showing[@]}"; do
        ((cell != source)) && ! contains "$cell" "${alike[@]}" && walk_seen=1
    done
done
((walk_seen)) || fail "the ball was never seen between $source and $target ($shot shots)"

# A move into an empty cell of a new game brings three balls, each into an empty cell.
shoot_until 10 "$work/after.png" ball_count_is 8 "$work/after.png" ||
    fail "no three new balls after the move: $(balls_on "$work/after.png")"
read -ra showing <<<"$(cells_like "$work/before.png" "$source" "$work/after.png")"
contains "$target" "${showing[@]}" || fail "the ball is not on its target $target"
echo "ok: the ball walked from $source to $target over $best cells"
blinks() { # shot: the ball clicked during the move no longer looks as it did
    read -ra showing <<<"$(cells_like "$work/before.png" "$other" "$1")"
    ! contains "$other" "${showing[@]}"
}
shoot_until 5 "$work/blink.png" blinks "$work/blink.png" ||
    fail "the ball on $other, clicked during the move, was not selected after it"
echo "ok: a click made during the move selects its ball after the move"

# A second start hands over to the running game and ends at once; the game takes on the start's
# startup id and tells the root window's watchers that the launch is over.
start_background xev -root -event property >"$work/root.log"
wait_for 5 root_watched || fail "xev did not watch the root window"
id=cobblewell-test_TIME12345
DESKTOP_STARTUP_ID=$id timeout 10 "$program" >>"$work/game.log" 2>&1 ||
    fail "a second start did not end cleanly"
kill -0 "$game_pid" 2>/dev/null || fail "the running game went away"
(($(timeout 5 xdotool search --onlyvisible --name '^Cobblewell \(' | wc -l) == 1)) ||
    fail "a second game window appeared"
[[ $(xprop -id "$window" -notype _NET_STARTUP_ID) == "_NET_STARTUP_ID = \"$id\"" ]] ||
    fail "the game's window does not carry the startup id $id"
wait_for 5 grep -q _NET_STARTUP_INFO_BEGIN "$work/root.log" || fail "no end of the launch was sent"
echo "ok: a second start leaves the running game alone, which ends the start's launch"

kill -STOP "$game_pid"
start_background "$program" >>"$work/game.log" 2>&1
wait_for 15 find_window "^Cobblewell$" || fail "a start beside a stopped game said nothing"
timeout 5 xdotool windowfocus --sync "$(find_window "^Cobblewell$")" key Return
wait "$last_pid" || fail "the start beside a stopped game ended with status $?"
kill -CONT "$game_pid"
echo "ok: a start beside a stopped game says so in a message box and ends"

# A game killed outright leaves nothing behind that stops the next start.
kill -9 "$game_pid"
wait "$game_pid" 2>/dev/null
game_pid=""
wait_for 5 bash -c '! xdotool search --onlyvisible --name "^Cobblewell" >/dev/null' ||
    fail "the killed game's window stayed"
start_game
echo "ok: a new start after a crash opens the game"

# SIGTERM ends the game as a close does, but the open dialog goes without a word.
timeout 10 xdotool windowfocus --sync "$window" key --delay 100 alt+g i ctrl+o || fail "keys"
wait_window '^Cobblewell Options$' >/dev/null || fail "no Options dialog"
kill -TERM "$game_pid"
wait "$game_pid" || fail "the game ended with status $? on SIGTERM"
game_pid=""
cp "$settings" "$work/saved.ini" && write_settings "1,2,0,0,0" "3,0,0,0"
cmp "$settings" "$work/saved.ini" || fail "SIGTERM saved no Intermediate: $(cat "$work/saved.ini")"
(($(stat -c %s "$XDG_DATA_HOME/Cobblewell/cobblewell.top") == 1596)) || fail "score file cut"
echo "ok: SIGTERM closes the dialog, saves the level chosen and ends with status 0"

status=0
