#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check of the game as the desktop sees it, on a private X server with a window
# manager (openbox): the main window opens with its outer frame centred on the screen and the
# Options dialog with its frame centred over the main window's, each where it stays (no jump
# once framed); docks match the window to its desktop entry by the window's class, and the
# window carries its icon at every size from 16 to 256. A window destroyed by another client
# ends the game with status 0 and
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

# Sets fx, fy, fw and fh to the outer frame of a managed window: its client area, which
# xwininfo gives on the screen, grown by the frame extents the window manager set on it.
frame_of() { # window
    local info extents
    info=$(timeout 5 xwininfo -id "$1") || return 1
    extents=$(timeout 5 xprop -id "$1" -notype _NET_FRAME_EXTENTS) || return 1
    [[ $extents =~ ([0-9]+),\ ([0-9]+),\ ([0-9]+),\ ([0-9]+) ]] || return 1
    local left=${BASH_REMATCH[1]} right=${BASH_REMATCH[2]} top=${BASH_REMATCH[3]}
    local bottom=${BASH_REMATCH[4]}
    fx=$(($(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info") - left))
    fy=$(($(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info") - top))
    fw=$(($(sed -n 's/.*Width: *//p' <<<"$info") + left + right))
    fh=$(($(sed -n 's/.*Height: *//p' <<<"$info") + top + bottom))
}
# True when the span from `start` with `size` is centred within one pixel on the span from
# `outer_start` with `outer_size` (doubled, so that no division rounds).
centred() { # outer_start outer_size start size
    local off=$((2 * $3 + $4 - 2 * $1 - $2))
    ((off >= -2 && off <= 2))
}
# Checks that the frame of `window` is centred on the given rectangle and stays put.
expect_centred_frame() { # what window x y width height
    local what=$1
    frame_of "$2" || fail "no frame extents on the $what"
    local first="$fx $fy $fw $fh"
    { centred "$3" "$5" "$fx" "$fw" && centred "$4" "$6" "$fy" "$fh"; } ||
        fail "the $what's frame $first is not centred on $3 $4 $5 $6"
    sleep 0.5
    { frame_of "$2" && [[ "$fx $fy $fw $fh" == "$first" ]]; } ||
        fail "the $what's frame moved from $first to $fx $fy $fw $fh after it showed"
    echo "ok: the $what's frame ($first) is centred on $3 $4 $5 $6"
}

e2e_begin
# openbox places a window that asks for no place of its own at the top left, not centred.
cat >"$work/openbox.xml" <<'END'
<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <placement><policy>Smart</policy><center>no</center></placement>
</openbox_config>
END
start_window_manager --config-file "$work/openbox.xml"
mkdir -p "$shots"
start_game
shoot started
cp "$work/started.png" "$shots/"

eval "$(xdotool getdisplaygeometry --shell)"
expect_centred_frame "main window" "$window" 0 0 "$WIDTH" "$HEIGHT"
frame_of "$window"
main_frame=("$fx" "$fy" "$fw" "$fh")
xdotool windowactivate --sync "$window" key ctrl+o
options=$(wait_window '^Cobblewell Options$') || fail "Ctrl+O opened no Options dialog"
expect_centred_frame "Options dialog" "$options" "${main_frame[@]}"
xdotool key Escape
wait_gone '^Cobblewell Options$' || fail "Escape left the Options dialog open"

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
