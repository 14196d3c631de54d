#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check of what a screen reader hears, over a private session and accessibility
# bus: a keyboard selection, the move and the new balls after it, each action one notification
# whose places the screen shows.
#   announcements.sh PROGRAM SCREEN_CHECK    (exit 0 pass, 1 fail, 77 skipped)
set -uo pipefail

program=$1 checker=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
require_tools Xvfb xdotool import faketime dbus-launch /usr/libexec/at-spi-bus-launcher
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "skipped: python3-pyatspi is not installed"; exit 77; }
source "$here/session_steps.sh"
e2e_begin

eval "$(dbus-launch --sh-syntax)" || fail "dbus-launch failed"
e2e_pids+=("$DBUS_SESSION_BUS_PID")
export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_background /usr/libexec/at-spi-bus-launcher --launch-immediately >>"$work/atspi.log" 2>&1
# Qt sends only the events some client has asked for: the listener comes first.
said=$work/said.txt
start_background /usr/bin/python3 "$here/announcements.py" >"$said" 2>>"$work/atspi.log"
wait_for 10 grep -qx ready "$said" || fail "no listener: $(cat "$work/atspi.log")"

heard_more() { (($(wc -l <"$said") > $1)); } # than this many lines
# The keys, then the one notification they bring (within a second), in `heard`.
press_and_hear() { # key...
    local before
    before=$(wc -l <"$said")
    timeout 5 xdotool windowfocus --sync "$window" && timeout 10 xdotool key --delay 60 "$@" &&
        wait_for 10 heard_more "$before" && sleep 1 && ! heard_more $((before + 1)) ||
        fail "keys $* brought not one notification but: $(tail -n +$((before + 1)) "$said")"
    heard=$(tail -n 1 "$said")
}
place() { echo "row $(($1 / 9 + 1)), column $(($1 % 9 + 1))"; } # cell

# Beginner, traced moves and next colours, no faces; a fixed start, so a fixed first game.
write_settings "0,2,0,0,0" "3,0,0,0"
start_game_at "2026-01-01 12:00:00" Beginner
read -ra balls <<<"$(balls_on "$work/board.png")"
farthest_move "${balls[@]}"

press_and_hear Up $(arrows_between 40 "$source") space
[[ $heard =~ ^[A-Z][a-z]+( ball)?\ selected\.$ ]] || fail "the selection said: $heard"

press_and_hear $(arrows_between "$source" "$target") Return
moved="Moved to $(place "$target"). New balls: "
[[ $heard == "$moved"*. ]] || fail "the move to $(place "$target") said: $heard"

# The new balls are the cells that hold one now and held none before the move.
shoot_until 5 "$work/after.png" ball_count_is 8 "$work/after.png" || fail "no 8 balls on screen"
declare -A held=([$target]=1)
for cell in "${balls[@]}"; do ((cell == source)) || held[$cell]=1; done
expected=$(for cell in $(balls_on "$work/after.png"); do
    [[ -n ${held[$cell]-} ]] || place "$cell"
done | sort)
landed=$(sed -n 's/^Moved.*New balls: \(.*\)\.$/\1/p' <<<"$heard" | tr ';' '\n' |
    sed 's/^ *[a-z]* at //' | sort)
[[ $landed == "$expected" ]] || fail "said the new balls at: $landed; the screen shows: $expected"

status=0
