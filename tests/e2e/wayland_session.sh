#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end session under a headless Wayland compositor (sway), with Qt's Wayland plugin: the
# window appears with the desktop entry's id as its app id, a ball moves by keyboard, the
# Options dialog opens and closes, and a second start finds the running game and adds no
# window. Out of sight on another workspace, the game stays there when a second start has no
# activation token, and comes forward when the start brings the token a launcher got for it
# (sway set to focus a window whose activation it grants). sway refuses to run as root, so as
# root the script makes a user of its own for the session and runs sway, the game and the
# tools as that user.
# The game is the one of ten starts released together that stays; the others end with status 0.
#
#   wayland_session.sh PROGRAM SCREEN_CHECK ACTIVATION_TOKEN DESKTOP_FILE SHOTS_DIR
#
# Exit 0 pass, 1 fail, 77 skipped (sway, its tools or Qt's Wayland plugin are missing).
# Screenshots go to SHOTS_DIR.
set -uo pipefail

program=$1
checker=$2
token_tool=$3
app_id=$(basename "$4" .desktop)
shots=$5
source "$(dirname "$0")/lib.sh"
require_tools sway swaymsg grim wtype jq qtpaths6 setpriv
[[ -e $(qtpaths6 --plugin-dir)/platforms/libqwayland-generic.so ]] ||
    { echo "skipped: Qt's Wayland plugin (qt6-wayland) is not installed"; exit 77; }

readonly session_user=cobblewell-e2e
readonly title='Cobblewell (Beginner)'
readonly centre=40

e2e_work
use_session_user "$session_user"
# Everything of the session runs as its user, with the session's own folders only.
session_env=(PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
    XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache")
pass_sanitizer_options
in_session mkdir -p "$work/home" "$work/config" "$work/data" "$work/cache"
in_session mkdir -m 700 "$work/runtime"
# Beginner, shape Ball, traced moves and next colours on, no faces: a face's pause would hold
# the keys back at a time of its own.
settings="$work/config/Cobblewell/COBWL.INI"
write_settings "0,2,0,0,0" "3,0,0,0"
((EUID != 0)) || chown -R "$session_user": "$work/config"
in_session test -x "$program" || fail "$session_user cannot run $program"
in_session test -x "$token_tool" || fail "$session_user cannot run $token_tool"

printf 'output HEADLESS-1 resolution 1024x768\nxwayland disable\nfocus_on_window_activation focus\n' \
    >"$work/sway.conf"
# Started directly, not through in_session, so that the process id is sway's own.
"${as_player[@]}" env -i "${session_env[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
e2e_pids+=("$!")
socket="" ipc=""
sway_ready() {
    socket=$(find "$work/runtime" -maxdepth 1 -name 'wayland-[0-9]*' ! -name '*.lock' -printf '%f\n')
    ipc=$(find "$work/runtime" -maxdepth 1 -name 'sway-ipc.*.sock' -print -quit)
    [[ -n $socket && -n $ipc ]]
}
wait_for 15 sway_ready || fail "sway did not start: $(tail -n 5 "$work/sway.log")"
session_env+=(WAYLAND_DISPLAY="$socket" SWAYSOCK="$ipc" QT_QPA_PLATFORM=wayland)

# The windows of the game as sway lists them: one JSON object a line.
game_windows() {
    in_session swaymsg -t get_tree | jq -c --arg id "$app_id" '.. | objects | select(.app_id? == $id)'
}
has_window() { # title
    game_windows | jq -e --arg name "$1" 'select(.name == $name)' >/dev/null
}
game_focused() {
    game_windows | jq -e --arg name "$title" 'select(.name == $name and .focused)' >/dev/null
}
game_unfocused() {
    ! game_focused
}
no_window() { # title
    ! has_window "$1"
}
shoot() { # name
    in_session grim "$work/$1.png" || fail "screenshot $1"
}
# wtype's virtual keyboard must live a moment before and after its keys, or the game never
# sees them.
press() { # key...
    local args=(-s 700) key
    for key in "$@"; do args+=(-k "$key" -s 80); done
    in_session wtype "${args[@]}" -s 400 || fail "keys $*"
}
race_starts 10 "${as_player[@]}" env -i "${session_env[@]}" "$program"
wait_for 15 has_window "$title" || fail "no window with app id $app_id: $(cat "$work/game.log")"
(($(game_windows | jq -s length) == 1)) || fail "ten starts at once opened more than one window"
echo "ok: of ten starts released together one is the game; its window has the app id $app_id"

# The client area (378 x 409) sits at the bottom of the window's surface, under the menu bar.
# The compositor lists the window before it places it and shows its first picture.
dealt() {
    read -r client_x client_y <<<"$(game_windows | jq -r --arg name "$title" 'select(.name == $name) |
        "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y + .window_rect.height - 409)"')"
    shoot started
    read -ra balls <<<"$("$checker" balls "$work/started.png" "$client_x" "$client_y")"
    ((${#balls[@]} == 5))
}
wait_for 10 dealt || fail "expected the 5 balls of a new game, found: ${balls[*]}"

farthest_move "${balls[@]}"
# The first arrow shows the cursor at the centre; the last ones take it off the target again.
away=$((target / 9 < 8 ? target + 9 : target - 9))
press Up $(arrows_between "$centre" "$source") space
press $(arrows_between "$source" "$target") Return $(arrows_between "$target" "$away")
moved() {
    shoot moved
    contains "$target" $(cells_like "$work/started.png" "$source" "$work/moved.png")
}
wait_for 10 moved || fail "the ball from $source is not on its target $target"
echo "ok: the keyboard moved the ball from $source to $target"

# With press()'s pauses, for the same reason, around a held Ctrl.
in_session wtype -s 700 -M ctrl -k o -m ctrl -s 400 || fail "Ctrl+O"
wait_for 10 has_window "Cobblewell Options" || fail "Ctrl+O opened no Options dialog"
shoot options
press Escape
wait_for 10 no_window "Cobblewell Options" || fail "Escape left the Options dialog open"
echo "ok: the Options dialog opens and closes"

second_start() { # [variable=value...]
    timeout 15 "${as_player[@]}" env -i "${session_env[@]}" "$@" "$program" \
        >>"$work/second.log" 2>&1
    code=$?
    ((code == 0)) || fail "the second start ended with status $code: $(cat "$work/second.log")"
    kill -0 "$game_pid" 2>/dev/null || fail "the running game went away"
    (($(game_windows | jq -s --arg name "$title" 'map(select(.name == $name)) | length') == 1)) ||
        fail "a second start added a window"
}

# Another workspace takes the screen and the focus.
in_session swaymsg -q workspace 2 || fail "cannot switch to another workspace"
wait_for 5 game_unfocused || fail "the game kept the focus on another workspace"
second_start
# The game answers once it has asked to come forward; give the compositor a moment to refuse.
sleep 1
game_unfocused || fail "a start without an activation token raised the game"
echo "ok: a second start finds the running game and ends with status 0; without a token the" \
    "game stays out of sight"

token=$(in_session "$token_tool") || fail "sway gave no activation token"
second_start XDG_ACTIVATION_TOKEN="$token"
wait_for 10 game_focused || fail "a start with the activation token $token did not raise the game"
shoot raised
echo "ok: a second start with its launcher's activation token raises the running game"

mkdir -p "$shots" && cp "$work"/*.png "$shots"/
status=0
