# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The steps of the end-to-end player session: the game under a fixed start time, keys and
# clicks, and the checks on screenshots and files. Sourced by player_session.sh after lib.sh;
# it sets program, checker, replay and shots.

# Windows and keys. Without a window manager the keyboard follows the pointer or the window
# that Qt activated, which is the game or its open dialog.
keys() { # key...
    (($#)) || return 0
    timeout 10 xdotool key --delay 60 "$@" || fail "keys $*"
}
# Keys for the game window itself: without a window manager nobody gives it the focus back
# after a dialog closes.
game_keys() { # key...
    timeout 5 xdotool windowfocus --sync "$window"
    keys "$@"
}
dialog_keys() { # title-pattern key...
    local dialog
    dialog=$(find_window "$1") || fail "no window $1"
    timeout 5 xdotool windowfocus --sync "$dialog"
    shift
    keys "$@"
}
# Screenshots of this session are kept, under SHOTS_DIR.
snap() { # name
    grab "$shots/$1.png" || fail "screenshot $1"
}
snap_until() { # seconds name command...; the command reads the shot
    shoot_until "$1" "$shots/$2.png" "${@:3}"
}

# The game at a fixed start time that then runs at normal speed; Qt's timers keep the real
# monotonic clock.
start_game_at() { # start-time level-name
    FAKETIME="@$1" FAKETIME_DONT_FAKE_MONOTONIC=1 \
        LD_PRELOAD="${LD_PRELOAD:+$LD_PRELOAD:}$(faketime_library)" \
        start_background "$program" >>"$work/game.log" 2>&1
    game_pid=$last_pid
    game_title="^Cobblewell \\($2\\)\$"
    locate_window "$game_title"
    timeout 5 xdotool mousemove $((client_x + 189)) $((client_y + 15))
    shoot_until 10 "$work/board.png" shows_new_game "$work/board.png" ||
        fail "the new game shows no 5 balls: $(balls_on "$work/board.png")"
}
faketime_library() {
    local library
    for library in /usr/lib/*/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1; do
        [[ -f $library ]] && { echo "$library"; return; }
    done
}
exit_game() {
    # Windows without a manager open over the game; a player would bring it forward.
    timeout 5 xdotool windowraise "$window"
    menu_item game x
    wait_for 10 process_gone "$game_pid" || fail "Exit did not end the game"
    wait "$game_pid" 2>/dev/null
    game_pid=""
}

# The seed among the first seconds after the start time whose board is on screen.
find_seed() { # start-time level options shot
    local start seed on_screen
    start=$(date -u -d "$1" +%s)
    on_screen=$("$checker" balls "$shots/$4.png" "$client_x" "$client_y")
    for ((seed = start; seed < start + 3; seed++)); do
        plan_game "$seed" "$2" "$3"
        [[ $(occupied_cells "$(replay_show)") == "$on_screen" ]] && { echo "$seed"; return 0; }
    done
    return 1
}

board_is() { # expected-cells shot
    [[ $(balls_on "$2") == "$1" ]]
}
board_hidden() { # cells shot
    ! board_is "$@"
}
board_shows() { # expected-cells
    grab "$work/board.png" && board_is "$1" "$work/board.png"
}

# Plays planned moves on the window until the score is positive; after each move the screen
# must show the replay's board.
play_until_score() { # most-moves
    local move expected
    for ((move = 0; move < $1; move++)); do
        read_state "$(replay_show)"
        ((score > 0)) && return 0
        local planned
        planned=$(next_move) || fail "no move left after $move moves"
        read -r source target <<<"$planned"
        plan_move "$source" "$target"
        expected=$(occupied_cells "$(replay_show)")
        # The game handles clicks in the order they came, the second after the selection.
        click_cell "$source"
        click_cell "$target"
        wait_for 10 board_shows "$expected" ||
            fail "after moving $source to $target the board differs from the replay's"
    done
    read_state "$(replay_show)"
    ((score > 0)) || fail "no score after $1 moves"
}

# The help viewer opens over the game (there is no window manager to place it); a second start
# must bring the game back on top, with the focus.
check_second_start() { # shot-of-board
    local board
    board=$("$checker" balls "$shots/$1.png" "$client_x" "$client_y")
    game_keys F1
    wait_window '^Cobblewell Help' >/dev/null || fail "F1 opened no help viewer"
    snap_until 10 01-help-over-game board_hidden "$board" "$shots/01-help-over-game.png" ||
        fail "the help viewer does not cover the game"
    timeout 10 "$program" >>"$work/game.log" 2>&1 || fail "a second start did not end cleanly"
    kill -0 "$game_pid" 2>/dev/null || fail "the running game went away"
    wait_for 5 board_shows "$board" || fail "the running game did not come forward"
    snap 01-game-forward
    (($(timeout 5 xdotool search --name "^Cobblewell \\(" | wc -l) == 1)) ||
        fail "a second game window appeared"
    [[ $(timeout 5 xdotool getwindowfocus) == "$window" ]] || fail "the game did not get the focus"
    echo "ok: a second start brings the running game forward"
}

# The entry just made is red; nothing else in the dialog is. Its red spans one row only, in
# the upper part where the first row stands.
check_red_first_row() { # window shot
    local X Y WIDTH HEIGHT box
    eval "$(xdotool getwindowgeometry --shell "$1")"
    box=$(red_in_window "$1" "$2")
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "no red in the Top Players dialog"
    local height=${BASH_REMATCH[2]} top=${BASH_REMATCH[4]}
    ((height > 3 && height < 20)) || fail "the red text spans $height pixels, not one row"
    ((top < HEIGHT / 4)) || fail "the red row is not the first ($top of $HEIGHT)"
}
red_in_window() { # window shot; prints the box around the red pixels inside the window
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1")"
    convert "$shots/$2.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage \
        -fuzz 8% -fill black +opaque 'rgb(255,0,0)' -format '%@' info:
}
shows_red() { # window shot
    [[ $(red_in_window "$1" "$2") =~ ^[1-9][0-9]*x[1-9][0-9]*\+ ]]
}

# Opens a menu of the menu bar with the mouse, which gives the popup the keyboard, and
# chooses an item by its mnemonic.
menu_x() { # game|help: where the menu's title stands on the bar
    if [[ $1 == help ]]; then echo 74; else echo 27; fi
}
open_menu() { # game|help
    timeout 5 xdotool mousemove $((client_x + $(menu_x "$1"))) $((client_y - 10)) click 1
    shoot_until 5 "$work/menu.png" menu_shown "$1" "$work/menu.png" ||
        fail "the $1 menu did not open"
}
menu_item() { # game|help mnemonic
    open_menu "$1"
    keys "$2"
}
# An open menu covers the light grey of the toolbar's bare strip below its title. A closed
# one stays on screen until the window paints there again, which waits for a new game's
# landings.
menu_shown() { # game|help shot
    [[ $(convert "$2" -crop "1x1+$((client_x + $(menu_x "$1") + 6))+$((client_y + 10))" \
        -format '%[hex:u.p{0,0}]' info:) != C0C0C0* ]]
}
menu_gone() { # game|help shot
    ! menu_shown "$@"
}
title_is() { # level-name
    [[ $(timeout 5 xdotool getwindowname "$window") == "Cobblewell ($1)" ]]
}

choose_level() { # mnemonic level-name level
    menu_item game "$1"
    game_title="^Cobblewell \\($2\\)\$"
    wait_for 5 title_is "$2" ||
        fail "the title does not name $2"
    shoot_until 10 "$work/menu.png" menu_gone game "$work/menu.png" ||
        fail "the Game menu stayed on screen after choosing $2"
    open_menu game
    cp "$work/menu.png" "$shots/04-menu-level-$3.png"
    keys Escape
    shoot_until 5 "$work/menu.png" menu_gone game "$work/menu.png" ||
        fail "Escape did not close the Game menu"
}

# The level items' check column: in each menu shot the mark is the only dark spot that is not
# in the other shots, and it moves down from Beginner to Intermediate to Expert.
check_menu_marks() {
    local level mark previous=-1
    for level in 0 1 2; do
        mark=$(mark_row "$level") || fail "no check mark in the Game menu at level $level"
        ((mark > previous)) || fail "the check mark of level $level is not below the last one"
        previous=$mark
    done
}
mark_row() { # level; prints the top of the level's own dark pixels in the check column
    local shot="$shots/04-menu-level-$1.png" other box
    local region="24x200+$client_x+$((client_y - 2))"
    convert "$shot" -crop "$region" +repage -threshold 40% -negate "$work/mark.png"
    for other in 0 1 2; do
        ((other == $1)) && continue
        convert "$work/mark.png" \( "$shots/04-menu-level-$other.png" -crop "$region" +repage \
            -threshold 40% \) -compose multiply -composite "$work/mark.png"
    done
    box=$(convert "$work/mark.png" -format '%@' info:)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ && ${BASH_REMATCH[2]} -gt 2 ]] || return 1
    echo "${BASH_REMATCH[4]}"
}

next_colours_hidden() { # shot
    local colours
    colours=$(convert "$shots/$1.png" -crop "78x25+$((client_x + 294))+$((client_y + 3))" \
        +repage -format '%k' info:)
    ((colours == 1))
}
options_shown() { # expected-cells shot
    next_colours_hidden "$2" && board_is "$1" "$shots/$2.png"
}
check_options_applied() { # before after
    next_colours_hidden "$1" && fail "the next colours were hidden before the Options dialog"
    next_colours_hidden "$2" || fail "the next colours still show after OK"
    local ball
    read -r ball _ <<<"$("$checker" balls "$shots/$1.png" "$client_x" "$client_y")"
    [[ -n $ball ]] || fail "no ball on the board before the Options dialog"
    contains "$ball" $(cells_like "$shots/$1.png" "$ball" "$shots/$2.png") &&
        fail "cell $ball kept its picture after the shape change"
    return 0
}

# A settings value read back, the reverse of encode_value in lib.sh.
decode_value() { # stored
    local stored=$1 i out=""
    for ((i = 0; i + 1 < ${#stored}; i += 2)); do
        out+="\\x${stored:i+1:1}${stored:i:1}"
    done
    printf '%b' "$out"
}
expect_setting() { # key value
    local stored
    stored=$(sed -n "s/^$1=//p" "$settings" | tr -d '\r')
    [[ $(decode_value "$stored") == "$2" ]] ||
        fail "$1 in the settings file reads \"$(decode_value "$stored")\", not \"$2\""
}

# The header of the score file created from the settings: level, shape, option flags.
check_header() { # level shape flags
    local -a words
    read -ra words <<<"$(od -An -td4 -N24 --endian=little "$scores" | tr "\n" " ")"
    [[ "${words[0]} ${words[1]} ${words[5]}" == "$1 $2 $3" ]] ||
        fail "the new score file's header holds level, shape, flags ${words[0]} ${words[1]} ${words[5]}"
}

# Balls of one colour look alike in both shots (same shape); shown states tell the colours.
check_same_pictures() { # shot-a state-a shot-b state-b
    local -a colour_a stack_a
    read_state "$2"
    colour_a=("${colour[@]}") stack_a=("${stack[@]}")
    read_state "$4"
    local a b matches
    for ((a = 0; a < 81; a++)); do
        ((stack_a[a] == 1)) || continue
        for ((b = 0; b < 81; b++)); do
            ((stack[b] == 1 && colour[b] == colour_a[a])) || continue
            matches=$(cells_like "$shots/$1.png" "$a" "$shots/$3.png")
            [[ " $matches " == *" $b "* ]] || fail "ball $b of $3 does not look like ball $a of $1"
            return 0
        done
    done
    echo "note: no colour in both boards, the shape is checked in the score file's header only"
}
