# Helpers of the end-to-end scripts: a private X server with a private home, the real game on
# it, screenshots and clicks. Sourced by a script that has set `program`; e2e_begin starts
# the server and leaves the server, the game and the temporary folder to cleanup on every
# path out. Screenshots of a failed run are kept in ./e2e-artifacts.

# Exit 77 (skipped) when a tool is missing.
require_tools() { # tool...
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
    done
}

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

e2e_begin() {
    work=$(mktemp -d)
    xvfb_pid=""
    game_pid=""
    status=1
    trap cleanup EXIT
    trap 'exit 1' INT TERM

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
}

game_window() {
    timeout 5 xdotool search --onlyvisible --name '^Cobblewell \(Beginner\)$' 2>/dev/null
}
# Sets window, client_x and client_y.
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

farthest_move() { # ball... : sets source, target and best, the ball and empty cell farthest apart
    source=-1 target=-1 best=0
    local ball cell d
    for ball in "$@"; do
        for ((cell = 0; cell < 81; cell++)); do
            contains "$cell" "$@" && continue
            d=$(distance "$ball" "$cell")
            ((d > best)) && { best=$d source=$ball target=$cell; }
        done
    done
}
