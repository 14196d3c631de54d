#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check of the real program's start on a hostile file system, on a private X server:
# named pipes in place of the score file, COBWL.INI and WIN.INI never hold the start, and a
# file size limit below the score file's 1,596 bytes neither ends the game (SIGXFSZ) nor
# leaves a short score file behind.
#
#   hostile_files.sh PROGRAM
#
# Exit 0 pass, 1 fail, 77 skipped (a tool is missing).
set -uo pipefail

program=$1
source "$(dirname "$0")/lib.sh"
require_tools Xvfb xdotool

e2e_begin
scores="$XDG_DATA_HOME/Cobblewell/cobblewell.top"
config="$XDG_CONFIG_HOME/Cobblewell"
mkdir -p "$(dirname "$scores")" "$config"

mkfifo "$scores" "$config/COBWL.INI" "$config/WIN.INI"
start_game
for pipe in "$scores" "$config/COBWL.INI" "$config/WIN.INI"; do
    [[ -p $pipe ]] || fail "$pipe is no longer a pipe"
done
stop "$game_pid"
rm -f "$scores" "$config/COBWL.INI" "$config/WIN.INI"
echo "ok: pipes in place of the three files: the window shows and the pipes stay"

# 1 KiB: the limit's unit is 1,024 bytes.
limited="$work/limited"
# shellcheck disable=SC2016 # expanded by the wrapper
printf '#!/bin/sh\nulimit -f 1 && exec "$LIMITED_PROGRAM"\n' >"$limited"
chmod +x "$limited"
export LIMITED_PROGRAM=$program
program=$limited
start_game
kill -0 "$game_pid" 2>/dev/null || fail "the game ended under the limit; $(start_failure)"
[[ ! -e $scores ]] || fail "the failed first save left a score file of $(stat -c %s "$scores") bytes"
echo "ok: under a file size limit the game starts and leaves no short score file"

status=0
