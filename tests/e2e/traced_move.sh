#!/usr/bin/env bash
# End-to-end check of the real program on a private X server: a selected ball walks across
# the board cell by cell and stands on its target afterwards; a second start leaves the
# running game alone; a game killed outright does not keep the next one from starting.
#
#   traced_move.sh PROGRAM SCREEN_CHECK
#
# Exit 0 pass, 1 fail, 77 skipped (a tool is missing). The server, the game and the
# temporary folders go on every path out; screenshots of a failed run are kept in
# ./e2e-artifacts.
set -uo pipefail

program=$1
checker=$2
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
status=1

stop() { # pid
    [[ -n $1 ]] || return 0
    kill "$1" 2>/dev/null && { timeout 5 tail --pid="$1" -f /dev/null || kill -9 "$1"; }
    wait "$1" 2>/dev/null
    return 0
}
cleanup() {
    stop "$game_pid"
    stop "$xvfb_pid"
    if ((status != 0)) && compgen -G "$work/*.png" >/dev/null; then
        mkdir -p e2e-artifacts && cp "$work"/*.png e2e-artifacts/
        echo "screenshots kept in $PWD/e2e-artifacts"
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
fail() {
    echo "FAIL: $*"
    exit 1
}

wait_for() { # seconds command...
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# The server picks a free display itself and tells us which.
Xvfb -displayfd 3 -screen 0 640x520x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

game_window() {
    timeout 5 xdotool search --onlyvisible --name '^Cobblewell \(Beginner\)$' 2>/dev/null
}
start_game() {
    "$program" >>"$work/game.log" 2>&1 &
    game_pid=$!
    wait_for 15 game_window || fail "no game window appeared: $(cat "$work/game.log")"
    window=$(game_window | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    client_x=$X
    client_y=$((Y + HEIGHT - 409)) # the menu bar sits above the 378 x 409 client area
}
shoot() { # name
    timeout 10 import -window root "$work/$1.png" || fail "screenshot $1"
}
click_cell() { # cell
    timeout 5 xdotool mousemove $((client_x + 42 * ($1 % 9) + 21)) \
        $((client_y + 31 + 42 * ($1 / 9) + 21)) click 1
}
distance() { # a b
    local dr=$(($1 / 9 - $2 / 9)) dc=$(($1 % 9 - $2 % 9))
    echo $((${dr#-} + ${dc#-}))
}
contains() { # word list...
    local word=$1
    shift
    [[ " $* " == *" $word "* ]]
}

start_game
sleep 0.5
shoot before
read -ra balls <<<"$("$checker" balls "$work/before.png" "$client_x" "$client_y")"
((${#balls[@]} == 5)) || fail "expected the 5 balls of a new game, found: ${balls[*]}"

# The ball and empty cell farthest apart give the longest walk to watch.
source=-1 target=-1 best=0
for ball in "${balls[@]}"; do
    for ((cell = 0; cell < 81; cell++)); do
        contains "$cell" "${balls[@]}" && continue
        d=$(distance "$ball" "$cell")
        ((d > best)) && { best=$d source=$ball target=$cell; }
    done
done
read -ra alike <<<"$("$checker" match "$work/before.png" "$source" "$work/before.png" \
    "$client_x" "$client_y")"

click_cell "$source"
sleep 0.4
click_cell "$target"
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

sleep 1.5
shoot after
read -ra showing <<<"$("$checker" match "$work/before.png" "$source" "$work/after.png" \
    "$client_x" "$client_y")"
contains "$target" "${showing[@]}" || fail "the ball is not on its target $target"
echo "ok: the ball walked from $source to $target over $best cells"

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
