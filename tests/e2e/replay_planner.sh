# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plans moves of a real game in the headless rules. Sourced by the end-to-end scripts.
#
# The game seeds its one generator with its start time in seconds, and with animated faces
# off nothing else draws from it between moves; so the replay tool, given the same seed, level
# and options, deals the same board and answers each click as the real window will.
#
# Needs: $replay (the cobblewell-replay program). State: planned_clicks, the "R C" clicks so
# far, and replay_prefix, the script lines that deal the game.

planned_clicks=()
replay_prefix=""

# Starts planning for a game dealt with this seed, level and "T N F" options.
plan_game() { # seed level options
    replay_prefix=$(printf 'seed %s\nlevel %s\noptions %s\nnew\n' "$1" "$2" "$3")
    planned_clicks=()
}

# The state after the planned clicks and the given extra ones, as one JSON line.
replay_show() { # [cell...]
    local cell lines=""
    for cell in "$@"; do lines+="click $((cell / 9)) $((cell % 9))"$'\n'; done
    replay_then "$lines"
}

# The state after the planned clicks and then the given script lines.
replay_then() { # lines
    {
        echo "$replay_prefix"
        local click
        for click in "${planned_clicks[@]}"; do echo "click $click"; done
        printf '%s' "$1"
        echo show
    } | "$replay"
}

# Reads a shown state into the arrays colour, stack and the variable score.
read_state() { # json
    local cells entry i=0
    score=$(sed -n 's/.*"score":\([0-9-]*\).*/\1/p' <<<"$1")
    cells=$(grep -o '\[[0-9-]*,[0-9-]*,[0-9-]*\]' <<<"$1" | tr -d '[]')
    colour=() stack=()
    for entry in $cells; do
        IFS=, read -r _ "stack[i]" "colour[i]" <<<"$entry"
        ((i++))
    done
}

# The occupied cells of a shown state, in the form the screen checker prints.
occupied_cells() { # json
    read_state "$1"
    local cell list=""
    for ((cell = 0; cell < 81; cell++)); do
        ((stack[cell] > 0)) && list+="$cell "
    done
    echo "$list"
}

# True when moving source onto target is a move the rules take.
move_taken() { # source target
    read_state "$(replay_show "$1" "$2")"
    ((stack[$1] == 0))
}

# Cells that a lone ball could stack on, tallest stacks first.
stacking_targets() { # source
    local target
    for ((target = 0; target < 81; target++)); do
        ((target != $1 && stack[target] > 0)) || continue
        ((colour[target] == colour[$1] || colour[target] == 7 || colour[$1] == 7)) || continue
        echo "${stack[target]} $target"
    done | sort -rn | cut -d' ' -f2
}

# Chooses the next move: a lone ball onto a stack of its colour where a path exists, else any
# lone ball into any reachable empty cell. Prints "SOURCE TARGET"; fails when there is none.
next_move() {
    local state source target
    state=$(replay_show)
    read_state "$state"
    local -a lone=() colours=("${colour[@]}") stacks=("${stack[@]}")
    for ((source = 0; source < 81; source++)); do
        ((stacks[source] == 1)) && lone+=("$source")
    done
    for source in "${lone[@]}"; do
        colour=("${colours[@]}") stack=("${stacks[@]}")
        for target in $(stacking_targets "$source"); do
            move_taken "$source" "$target" && { echo "$source $target"; return 0; }
        done
    done
    for source in "${lone[@]}"; do
        for ((target = 80; target >= 0; target--)); do
            ((stacks[target] == 0)) || continue
            move_taken "$source" "$target" && { echo "$source $target"; return 0; }
        done
    done
    return 1
}

# Records a move as planned.
plan_move() { # source target
    planned_clicks+=("$(($1 / 9)) $(($1 % 9))" "$(($2 / 9)) $(($2 % 9))")
}
