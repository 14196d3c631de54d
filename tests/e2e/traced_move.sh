#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check of the real program on a private X server: a selected ball walks across
# the board cell by cell and stands on its target afterwards, and a click made meanwhile acts
# after the move; a second start leaves the running game alone; a game killed outright does
# not keep the next one from starting.
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
require_tools Xvfb xdotool import
e2e_begin

# Beginner, shape Ball, traced moves and next colours on, no faces: a face on the moved ball
# would hide it on its target.
write_settings "0,2,0,0,0" "3,0,0,0"
start_game
shoot_until 10 "$work/before.png" shows_new_game "$work/before.png" ||
    fail "expected the 5 balls of a new game, found: $(balls_on "$work/before.png")"
read -ra balls <<<"$(balls_on "$work/before.png")"

# The ball and the reachable empty cell farthest apart give the longest walk to watch.
farthest_move "${balls[@]}"
read -ra alike <<<"$("$checker" match "$work/before.png" "$source" "$work/before.png" \
    "$client_x" "$client_y")"

# Clicks act in the order they came; the third, made during the move, acts once it is over.
for other in "${balls[@]}"; do ((other != source)) && break; done
click_cell "$source"
click_cell "$target"
click_cell "$other"
walk_seen=0
deadline=$((SECONDS + 6))
for ((shot = 0; SECONDS < deadline; shot++)); do
    shoot "during-$shot"
    read -ra showing <<<"$("$checker" match "$work/before.png" "$source" "$work/during-$shot.png" \
        "$client_x" "$client_y")"
    contains "$target" "${showing[@]}" && break
    for cell in "${showing[@]}"; do
        ((cell != source)) && ! contains "$cell" "${alike[@]}" && walk_seen=1
    done
done
((walk_seen)) || fail "the ball was never seen between $source and $target ($shot shots)"

# A move into an empty cell of a new game brings three balls, each into an empty cell.
shoot_until 10 "$work/after.png" ball_count_is 8 "$work/after.png" ||
    fail "no three new balls after the move: $(balls_on "$work/after.png")"
read -ra showing <<<"$("$checker" match "$work/before.png" "$source" "$work/after.png" \
    "$client_x" "$client_y")"
contains "$target" "${showing[@]}" || fail "the ball is not on its target $target"
echo "ok: the ball walked from $source to $target over $best cells"
blinks() { # shot: the ball clicked during the move no longer looks as it did
    read -ra showing <<<"$("$checker" match "$work/before.png" "$other" "$1" "$client_x" \
        "$client_y")"
    ! contains "$other" "${showing[@]}"
}
shoot_until 5 "$work/blink.png" blinks "$work/blink.png" ||
    fail "the ball on $other, clicked during the move, was not selected after it"
echo "ok: a click made during the move selects its ball after the move"

# A second start hands over to the running game and ends at once.
timeout 10 "$program" >>"$work/game.log" 2>&1 || fail "a second start did not end cleanly"
kill -0 "$game_pid" 2>/dev/null || fail "the running game went away"
(($(game_window | wc -l) == 1)) || fail "a second game window appeared"
echo "ok: a second start leaves the running game alone"

# A game killed outright leaves nothing behind that stops the next start.
kill -9 "$game_pid"
wait "$game_pid" 2>/dev/null
game_pid=""
wait_for 5 bash -c '! xdotool search --onlyvisible --name "^Cobblewell" >/dev/null' ||
    fail "the killed game's window stayed"
start_game
echo "ok: a new start after a crash opens the game"

status=0
