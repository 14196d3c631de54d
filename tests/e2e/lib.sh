# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers of the end-to-end scripts: a private X server with a private home, the real game on
# it, settings, screenshots, clicks and waits. Sourced by a script that has set `program` (the
# game) and `checker` (screen_check). e2e_begin starts the server (e2e_work alone makes the
# temporary folder and the way out, for a session without it); every process started
# through start_background, the server and the game among them, goes on every path out, as
# does the temporary folder. Screenshots of a failed run are kept in ./e2e-artifacts.

# Exit 77 (skipped) when a tool is missing.
require_tools() { # tool...
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
    done
}

# Starts a command in the background and leaves it to cleanup; sets last_pid. The command
# also gets a parent-death signal, so it goes even when this script is killed outright; call
# it from the script's own shell, not from a subshell, whose end would send that signal.
start_background() { # command...
    setpriv --pdeathsig TERM -- "$@" &
    last_pid=$!
    e2e_pids+=("$last_pid")
}
stop() { # pid
    [[ -n $1 ]] || return 0
    if kill "$1" 2>/dev/null && ! wait_for 5 process_gone "$1"; then kill -9 "$1"; fi
    wait "$1" 2>/dev/null
    return 0
}
process_gone() { # pid
    ! kill -0 "$1" 2>/dev/null
}
cleanup() {
    local i
    # Newest first: the game and the window manager before the server they run on.
    for ((i = ${#e2e_pids[@]} - 1; i >= 0; i--)); do stop "${e2e_pids[i]}"; done
    if ((status != 0)) && compgen -G "$work/*.png" >/dev/null; then
        mkdir -p e2e-artifacts && cp "$work"/*.png e2e-artifacts/
        echo "screenshots kept in $PWD/e2e-artifacts"
    fi
    rm -rf "$work"
}
process_state() { # pid
    if kill -0 "$1" 2>/dev/null; then
        echo "runs"
    else
        wait "$1"
        echo "ended with status $?"
    fi
}
start_failure() { # why a game did not show: its state and the server's, with their logs
    echo "the game $(process_state "$game_pid"): $(cat "$work/game.log")"
    echo "the server on $DISPLAY $(process_state "$xvfb_pid"): $(cat "$work/xvfb.log")"
}
fail() {
    echo "FAIL: $*"
    exit 1
}

# Polls until the command succeeds, for at most the given seconds. The command's output is
# thrown away, so it must not call fail: a check that fails after the wait says why.
wait_for() { # seconds command...
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# The temporary folder and the way out that cleans up; e2e_begin calls it first.
e2e_work() {
    work=$(mktemp -d)
    e2e_pids=()
    status=1
    trap cleanup EXIT
    trap 'exit 1' INT TERM
}
e2e_begin() {
    e2e_work
    # The server picks a free display itself and tells us which. Without -noreset it resets
    # whenever its last client leaves (a check that connects and goes, dbus-launch), and a
    # game that connects meanwhile is turned away.
    start_background Xvfb -displayfd 3 -screen 0 640x520x24 -nolisten tcp -noreset \
        3>"$work/display" 2>"$work/xvfb.log"
    xvfb_pid=$last_pid
    wait_for 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(cat "$work/display")"

    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
    export XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    settings="$XDG_CONFIG_HOME/Cobblewell/COBWL.INI"
}

# The game allows one running instance a user, and sway refuses root: as root, a session runs
# as a user of its own, so that its game and those of other tests never hand over to each
# other. Sets as_player, the prefix that runs a command as that user, and hands it the
# temporary folder.
use_session_user() { # name
    as_player=()
    ((EUID == 0)) || return 0
    id -u "$1" >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
            "$1" || fail "cannot create the user $1"
    chown "$1": "$work"
    as_player=(setpriv --reuid="$1" --regid="$1" --init-groups)
}
# Runs a command as the session's user with only the session's environment, session_env, to
# which a sanitizer build's settings are added.
in_session() {
    "${as_player[@]}" env -i "${session_env[@]}" "$@"
}
pass_sanitizer_options() {
    local name
    for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
        [[ -z ${!name:-} ]] || session_env+=("$name=${!name}")
    done
}

# A window manager on the private display, for checks that need one (placement, focus); the
# tests run without one otherwise. Returns once openbox has taken the display, so every window
# mapped afterwards is managed. Options go to openbox (e.g. --config-file FILE).
start_window_manager() { # [openbox-option...]
    require_tools openbox xprop
    start_background openbox --sm-disable "$@" >>"$work/openbox.log" 2>&1
    wait_for 10 window_manager_named Openbox ||
        fail "openbox did not take the display: $(cat "$work/openbox.log")"
}
# A window manager announces itself with a check window that carries its name.
window_manager_named() { # name
    local check
    check=$(timeout 5 xprop -root -notype _NET_SUPPORTING_WM_CHECK) || return 1
    [[ $check =~ (0x[0-9a-f]+) ]] || return 1
    [[ $(timeout 5 xprop -id "${BASH_REMATCH[1]}" -notype _NET_WM_NAME) == *"= \"$1\"" ]]
}

# Settings as the game stores them: every byte as two hex digits, low half first. The game
# reads them at start-up while there is no score file, as in a fresh private home.
encode_value() { # text
    local text=$1 i byte out=""
    for ((i = 0; i < ${#text}; i++)); do
        printf -v byte '%d' "'${text:i:1}"
        out+=$(printf '%X%X' $((byte & 15)) $((byte >> 4)))
    done
    echo "$out"
}
write_settings() { # options more-options [browser]
    mkdir -p "$(dirname "$settings")"
    {
        printf '[Settings]\nOptions=%s\nMoreOptions=%s\n' "$(encode_value "$1")" \
            "$(encode_value "$2")"
        [[ -z ${3-} ]] || printf 'Browser=%s\n' "$(encode_value "$3")"
    } >"$settings"
}

# Windows by their title, a regular expression.
find_window() { # title-pattern; prints the first visible one
    timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .
}
wait_window() { # title-pattern [seconds]; prints the window
    wait_for "${2:-10}" find_window "$1" && find_window "$1"
}
wait_gone() { # title-pattern
    wait_for 10 bash -c "! timeout 5 xdotool search --onlyvisible --name '$1'"
}
# Sets window, client_x and client_y.
start_game() {
    start_background "$program" >>"$work/game.log" 2>&1
    game_pid=$last_pid
    locate_game
}
locate_game() {
    locate_window '^Cobblewell \(Beginner\)$'
}
locate_window() { # title-pattern
    window=$(wait_window "$1" 15) || fail "no game window \"$1\" appeared; $(start_failure)"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    client_x=$X
    client_y=$((Y + HEIGHT - 409)) # the menu bar sits above the 378 x 409 client area
}

# Starts COUNT copies of the command at once (each waits for its line at a named pipe); all but
# one must hand over to that one and end with status 0. Sets game_pid to the one left.
race_starts() { # count command...
    local gate="$work/gate" fd pid
    local -a racers=()
    mkfifo "$gate" && exec {fd}<>"$gate"
    for ((pid = 0; pid < $1; pid++)); do
        start_background bash -c 'read -r _ <"$0" && exec "$@"' "$gate" "${@:2}" \
            >>"$work/game.log" 2>&1 {fd}>&-
        racers+=("$last_pid")
    done
    sleep 1 # time to reach the gate; a late start still finds its line there
    printf '\n%.0s' $(seq "$1") >&"$fd"
    wait_for 30 one_running "${racers[@]}" || fail "more than one of $1 starts still runs"
    exec {fd}>&-
    for pid in "${racers[@]}"; do
        kill -0 "$pid" 2>/dev/null && game_pid=$pid && continue
        wait "$pid" || fail "a start beside the game ended with status $?"
    done
}
one_running() { # pid...
    local pid running=0
    for pid; do kill -0 "$pid" 2>/dev/null && running=$((running + 1)); done
    ((running == 1))
}

# Screenshots of the whole display.
grab() { # file
    timeout 10 import -window root "$1" 2>/dev/null
}
shoot() { # name; into the temporary folder
    grab "$work/$1.png" || fail "screenshot $1"
}
# Takes the screenshot again until the command succeeds (it reads the file), for at most the
# given seconds; the last one stays for the checks that follow.
shoot_until() { # seconds file command...
    local seconds=$1 file=$2
    shift 2
    wait_for "$seconds" grab_then "$file" "$@"
}
grab_then() { # file command...
    grab "$1" && "${@:2}"
}
# For screenshots kept only to be looked at: the first that shows the same as the one before,
# or the last of a few seconds.
shoot_settled() { # file
    grab "$1" || fail "screenshot $1"
    cp "$1" "$work/settled.png"
    shoot_until 5 "$1" same_pictures "$work/settled.png" "$1" || true
}
same_pictures() { # previous file; keeps file as the next one's previous
    local differ
    differ=$(compare -metric AE "$1" "$2" null: 2>&1)
    cp "$2" "$1"
    [[ $differ == 0 ]]
}

# The cells of a screenshot that hold a ball (or show anything but the empty cell).
balls_on() { # shot
    "$checker" balls "$1" "$client_x" "$client_y"
}
ball_count_is() { # count shot
    local -a balls
    read -ra balls <<<"$(balls_on "$2")"
    ((${#balls[@]} == $1))
}
# A new game shows its five first balls, each in its own cell.
shows_new_game() { # shot
    ball_count_is 5 "$1"
}
# The cells of SHOT whose upper part looks as CELL of REFERENCE does.
cells_like() { # reference cell shot
    "$checker" match "$1" "$2" "$3" "$client_x" "$client_y"
}
click_cell() { # cell
    timeout 5 xdotool mousemove $((client_x + 42 * ($1 % 9) + 21)) \
        $((client_y + 31 + 42 * ($1 / 9) + 21)) click 1
}
contains() { # word list...
    local word=$1
    shift
    [[ " $* " == *" $word "* ]]
}

arrows_between() { # from to: the arrow keys that take the keyboard cursor there
    local dr=$(($2 / 9 - $1 / 9)) dc=$(($2 % 9 - $1 % 9)) keys=()
    for (( ; dr > 0; dr--)); do keys+=(Down); done
    for (( ; dr < 0; dr++)); do keys+=(Up); done
    for (( ; dc > 0; dc--)); do keys+=(Right); done
    for (( ; dc < 0; dc++)); do keys+=(Left); done
    echo "${keys[@]}"
}

# The empty cells that the ball on the first cell can reach along free paths of empty cells
# (up, down, left, right) among the given balls.
reachable_from() { # cell ball...
    local -A taken=() seen=([$1]=1)
    local -a queue=("$1")
    local ball cell next i=0
    for ball in "${@:2}"; do taken[$ball]=1; done
    while ((i < ${#queue[@]})); do
        cell=${queue[i++]}
        for next in $((cell - 9)) $((cell + 9)) $((cell % 9 > 0 ? cell - 1 : -1)) \
            $((cell % 9 < 8 ? cell + 1 : -1)); do
            ((next >= 0 && next < 81)) || continue
            [[ -z ${taken[$next]-} && -z ${seen[$next]-} ]] || continue
            seen[$next]=1
            queue+=("$next")
            echo "$next"
        done
    done
}
# Sets source, target and best: the ball and the empty cell it can reach that lie farthest
# apart, and their distance in cells. A cell walled in by balls is no target: the game would
# refuse that move.
farthest_move() { # ball...
    source=-1 target=-1 best=0
    local ball cell dr dc d
    for ball in "$@"; do
        for cell in $(reachable_from "$ball" "$@"); do
            dr=$((ball / 9 - cell / 9)) dc=$((ball % 9 - cell % 9))
            d=$((${dr#-} + ${dc#-}))
            ((d > best)) && { best=$d source=$ball target=$cell; }
        done
    done
}
