#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check of what a screen reader hears, on a private X server with a private session
# bus and accessibility bus: a ball selected with the keyboard, the move to an empty cell, and
# the new balls that follow, each told as one notification with the right places, which the
# board's cells confirm.
#
#   announcements.sh PROGRAM SCREEN_CHECK
#
# Exit 0 pass, 1 fail, 77 skipped (a tool is missing).
set -uo pipefail

program=$1
checker=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
require_tools Xvfb xdotool import faketime dbus-launch /usr/libexec/at-spi-bus-launcher
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "skipped: python3-pyatspi is not installed"; exit 77; }
source "$here/session_steps.sh"
e2e_begin

readonly centre=40

bus=$(dbus-launch --sh-syntax) || fail "dbus-launch: $bus"
eval "$bus"
e2e_pids+=("$DBUS_SESSION_BUS_PID")
export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_background /usr/libexec/at-spi-bus-launcher --launch-immediately >>"$work/atspi.log" 2>&1
# Qt sends only the events some client has asked for: the listener comes first.
start_background /usr/bin/python3 "$here/announcements.py" listen >"$work/said.txt" \
    2>>"$work/atspi.log"
wait_for 10 grep -qx ready "$work/said.txt" || fail "no listener: $(cat "$work/atspi.log")"

cells() { # the board as the screen reader finds it, "CELL<TAB>DESCRIPTION" a line
    timeout 20 /usr/bin/python3 "$here/announcements.py" board 2>>"$work/atspi.log" |
        sort -n >"$work/board.txt" && (($(wc -l <"$work/board.txt") == 81))
}
description() { # cell
    awk -F'\t' -v cell="$1" '$1 == cell { print $2 }' "$work/board.txt"
}
heard_more() { # than this many lines
    (($(wc -l <"$work/said.txt") > $1))
}
# Keys, then the one notification they bring.
press_and_hear() { # key...
    local before
    before=$(wc -l <"$work/said.txt")
    timeout 5 xdotool windowfocus --sync "$window" || fail "cannot focus the game"
    timeout 10 xdotool key --delay 60 "$@" || fail "keys $*"
    wait_for 10 heard_more "$before" ||
        fail "keys $* brought no notification; last heard: $(tail -n 1 "$work/said.txt")"
    sleep 1 # everything the action says has come by now
    (($(wc -l <"$work/said.txt") == before + 1)) ||
        fail "keys $* brought several notifications: $(tail -n +$((before + 1)) "$work/said.txt")"
    heard=$(tail -n 1 "$work/said.txt")
}

# Beginner, traced moves and next colours, no faces; a fixed start, so a fixed first game.
write_settings "0,2,0,0,0" "3,0,0,0"
start_game_at "2026-01-01 12:00:00" Beginner
wait_for 20 cells || fail "the screen reader does not find the 81 cells"
read -ra balls <<<"$(awk -F'\t' '$2 != "empty" { printf "%s ", $1 }' "$work/board.txt")"
((${#balls[@]} == 5)) || fail "expected the 5 balls of a new game, found: ${balls[*]}"
farthest_move "${balls[@]}"

ball=$(description "$source")
press_and_hear Up $(arrows_between "$centre" "$source") space
[[ $heard == "${ball^} selected." ]] || fail "selecting the $ball said: $heard"
echo "ok: Space on the $ball said \"$heard\""

place() { # cell
    echo "row $(($1 / 9 + 1)), column $(($1 % 9 + 1))"
}
press_and_hear $(arrows_between "$source" "$target") Return
moved="Moved to $(place "$target"). New balls: "
[[ $heard == "$moved"*. ]] || fail "the move to $(place "$target") said: $heard"
echo "ok: Enter said \"$heard\""

wait_for 10 cells || fail "the screen reader lost the cells"
[[ $(description "$target") == "$ball" ]] ||
    fail "the $ball is not on $(place "$target"): $(description "$target")"
list=${heard#"$moved"}
IFS=';' read -ra landed <<<"${list%.}"
((${#landed[@]} == 3)) || fail "expected 3 new balls, heard: $list"
for item in "${landed[@]}"; do
    [[ $item =~ ^\ ?([a-z]+)\ at\ row\ ([1-9]),\ column\ ([1-9])$ ]] || fail "unclear: $item"
    cell=$(((BASH_REMATCH[2] - 1) * 9 + BASH_REMATCH[3] - 1))
    [[ " ${balls[*]/#$source/} $target " != *" $cell "* &&
        $(description "$cell") == "${BASH_REMATCH[1]}"* ]] ||
        fail "no new ${BASH_REMATCH[1]} ball at $(place "$cell"): $(description "$cell")"
done
echo "ok: the three new balls are where they were said to land"

status=0
