#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check of the game as the desktop sees it, on a private X server: docks match the
# window to its desktop entry by the window's class, and the window carries its icon at every
# size from 16 to 256. A window destroyed by another client ends the game with status 0 and
# leaves the way free for the next start; so does a connection that another client cuts off.
# Without any display the program says so in one line and ends with status 0.
#
#   desktop_integration.sh PROGRAM DESKTOP_FILE SHOTS_DIR
#
# Exit 0 pass, 1 fail, 77 skipped (a tool is missing). Screenshots go to SHOTS_DIR.
set -uo pipefail

program=$1
desktop_file=$2
shots=$3
source "$(dirname "$0")/lib.sh"
require_tools Xvfb xdotool xprop import

message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1 >/dev/null)
code=$?
((code == 0)) || fail "without a display the program ended with status $code"
[[ $(wc -l <<<"$message") == 1 && $message == *DISPLAY* ]] ||
    fail "without a display the program said: $message"
echo "ok: without a display, one line ($message) and status 0"

# Sets code to the game's exit status once it has ended on its own.
game_ended() {
    timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game kept running"
    wait "$game_pid"
    code=$?
    game_pid=""
}

e2e_begin
mkdir -p "$shots"
start_game
shoot started
cp "$work/started.png" "$shots/"

wm_class=$(xprop -id "$window" WM_CLASS)
startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
[[ -n $startup_class && $wm_class == *", \"$startup_class\"" ]] ||
    fail "window $wm_class, desktop entry StartupWMClass=$startup_class"
echo "ok: the window's class is the desktop entry's StartupWMClass ($startup_class)"

icons=$(xprop -len 4000000 -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' |
    tr -dc '0-9 x\n' | tr '\n' ' ')
for side in 16 22 24 32 48 64 128 256; do
    [[ $icons == *"$side x $side"* ]] || fail "no $side x $side window icon among: $icons"
done
echo "ok: window icons $icons"

xdotool windowclose "$window"
game_ended
((code == 0)) || fail "the game ended with status $code when its window was destroyed"
start_game
echo "ok: a destroyed window ends the game with status 0, and the next start shows its window"

xdotool windowkill "$window"
game_ended
((code == 0)) || fail "the game ended with status $code when its connection was cut"
echo "ok: a connection cut by another client ends the game with status 0"

status=0
