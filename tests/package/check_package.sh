#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_package.sh BUILD_DIR: makes the Debian package of a configured and built tree, checks
# it with lintian, installs it, starts the installed game under a fresh virtual display with a
# scratch home, checks that its window appears and that its files go to the per-user folders,
# closes it and removes the package again. Installing needs root (CI runs as root); anyone
# else gets "skipped: needs root". Exits 0 on success, 1 with the reason on failure.
set -euo pipefail

build=${1:?usage: check_package.sh BUILD_DIR}
if [[ $(id -u) -ne 0 ]]; then
    echo "skipped: needs root"
    exit 0
fi
build=$(cd "$build" && pwd)

readonly package=cobblewell
readonly program=/usr/games/cobblewell
readonly window_title='Cobblewell (Beginner)'
readonly wait_seconds=30

scratch=$(mktemp -d)
xvfb_pid=""
game_pid=""
installed=0

fail() {
    echo "check_package: FAILED: $*" >&2
    exit 1
}

step() {
    echo "check_package: $*"
}

wait_for() { # seconds command...: polls the command until it succeeds or the time is up
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

cleanup() {
    local status=$?
    if [[ -n $game_pid ]] && kill -0 "$game_pid" 2>/dev/null; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if ((installed)); then
        dpkg -r "$package" >/dev/null 2>&1 || echo "check_package: could not remove $package" >&2
    fi
    rm -rf "$scratch"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

is_installed() {
    [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true) == "install ok installed" ]]
}

# A package that was there before belongs to someone: it is neither replaced nor removed.
is_installed && fail "$package is already installed; remove it first (dpkg -r $package)"

make_package() {
    step "making the package"
    [[ -f $build/CPackConfig.cmake ]] || fail "$build is no configured build folder"
    if ! cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" \
        >"$scratch/cpack.log" 2>&1; then
        cat "$scratch/cpack.log" >&2
        fail "cpack could not make the package"
    fi
    deb=$(find "$scratch/package" -maxdepth 1 -name "${package}_*.deb" -print -quit)
    [[ -n $deb ]] || fail "cpack made no ${package}_*.deb"
    local depends
    depends=$(dpkg-deb --field "$deb" Depends)
    [[ $depends == *libqt6widgets6* ]] ||
        fail "the package does not depend on the Qt libraries it links to: $depends"
}

run_lintian() {
    step "lintian $(basename "$deb")"
    if ! lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1; then
        cat "$scratch/lintian.log" >&2
        fail "lintian reports errors"
    fi
    cat "$scratch/lintian.log"
}

install_package() {
    step "installing"
    installed=1
    if ! dpkg -i "$deb" >"$scratch/dpkg.log" 2>&1; then
        # Missing dependencies leave the package unconfigured; apt brings them in.
        DEBIAN_FRONTEND=noninteractive apt-get install -f -y -qq >>"$scratch/dpkg.log" 2>&1 || true
    fi
    is_installed || { cat "$scratch/dpkg.log" >&2; fail "dpkg could not install the package"; }
    [[ -x $program ]] || fail "$program is missing after installing"
}

start_display() {
    # -displayfd picks a display number that no other server uses and writes it when ready;
    # -noreset keeps it from resetting, and turning clients away, whenever its last one leaves.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" \
        2>"$scratch/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s $scratch/display ]] && break
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
        sleep 0.1
    done
    [[ -s $scratch/display ]] || fail "Xvfb gave no display number"
    display=":$(cat "$scratch/display")"
}

start_game() {
    step "starting $program on $display"
    home=$scratch/home
    mkdir -p "$home" "$scratch/runtime"
    chmod 700 "$scratch/runtime"
    # Only what a desktop session would pass: nothing of the caller's Qt or XDG settings.
    env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/games DISPLAY="$display" HOME="$home" \
        XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
        XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$scratch/runtime" LANG=C.UTF-8 \
        "$program" >"$scratch/game.log" 2>&1 &
    game_pid=$!
}

find_window() {
    # xdotool takes the name as a regular expression.
    local pattern
    pattern="^$(sed 's/[][()\\.^$*+?{}|]/\\&/g' <<<"$window_title")\$"
    if ! window=$(DISPLAY=$display timeout "$wait_seconds" \
        xdotool search --sync --onlyvisible --name "$pattern" 2>/dev/null | head -n 1) ||
        [[ -z $window ]]; then
        cat "$scratch/game.log" >&2
        fail "no window \"$window_title\" within $wait_seconds s"
    fi
    step "window $window \"$window_title\" is shown"
}

check_user_files() {
    local score_file=$home/.local/share/Cobblewell/cobblewell.top
    [[ -f $score_file ]] || fail "no score file at $score_file"
    [[ $(stat -c %s "$score_file") -eq 1596 ]] || fail "the score file is not 1596 bytes long"
    [[ ! -e /usr/games/cobblewell.top ]] || fail "the game wrote beside the program"
    step "score file at XDG_DATA_HOME/Cobblewell/cobblewell.top"
}

# The open Game menu is a second window of the game's process beside its main window.
menu_open() {
    local shown
    shown=$(DISPLAY=$display xdotool search --onlyvisible --pid "$game_pid") || return 1
    grep -qvx "$window" <<<"$shown"
}

game_ended() {
    ! kill -0 "$game_pid" 2>/dev/null
}

close_game() {
    step "closing the game (Game > Exit)"
    # Without a window manager the game's window takes the focus only when given it.
    DISPLAY=$display xdotool windowfocus --sync "$window"
    DISPLAY=$display xdotool key --clearmodifiers alt+g
    wait_for "$wait_seconds" menu_open || fail "Alt+G did not open the Game menu"
    DISPLAY=$display xdotool key x
    wait_for "$wait_seconds" game_ended || fail "the game did not end after Game > Exit"
    local status=0
    wait "$game_pid" || status=$?
    game_pid=""
    ((status == 0)) || fail "the game ended with status $status: $(cat "$scratch/game.log")"
    [[ -f $home/.config/Cobblewell/COBWL.INI ]] ||
        fail "no settings file at XDG_CONFIG_HOME/Cobblewell/COBWL.INI after exit"
    step "settings file at XDG_CONFIG_HOME/Cobblewell/COBWL.INI"
}

remove_package() {
    step "removing the package"
    dpkg -r "$package" >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log" >&2; fail "dpkg -r failed"; }
    installed=0
    [[ ! -e $program ]] || fail "$program is still there after removing the package"
}

make_package
run_lintian
install_package
start_display
start_game
find_window
check_user_files
close_game
remove_package
step "passed"
