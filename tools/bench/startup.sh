#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time, resident memory and idle CPU of the game, measured by peer-bench.sh on a
# private X server (see `peer-bench.sh -h` for what each figure means).
#
#   tools/bench/startup.sh [peer-bench options...]      e.g. -n 10 -i 20
#   tools/bench/startup.sh --beside-floor ROUNDS [LANG]  e.g. --beside-floor 20 ja_JP.UTF-8
#
# The second form starts the bare Qt window and the game in turn, five measured runs each (after
# a warm-up) per round, so that the drift of a shared machine falls on both alike, and prints
# the median map time and memory of each and the game's ratio to the window. LANG is the
# locale both run in (its language also goes in LANGUAGE); C.UTF-8 by default.
#
# PEER_BENCH names peer-bench.sh, by default the one of the shared tools beside the checkout
# (../shared/tools/); BUILD the optimised build folder (shared with scripts/play); FLOOR the
# bare window's program, by default the shared tools' qt-floor, built in BUILD/qt-floor.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

bench=${PEER_BENCH:-../shared/tools/peer-bench.sh}
build=${BUILD:-build-play}
[[ -x $bench ]] || { echo "startup.sh: set PEER_BENCH to peer-bench.sh" >&2; exit 2; }
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCOBBLEWELL_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target cobblewell >/dev/null
game=$PWD/$build/ui/cobblewell
[[ ${1:-} == --beside-floor ]] || exec "$bench" -l cobblewell "$@" -- "$game"

rounds=${2:?startup.sh: --beside-floor needs a number of rounds}
locale=${3:-C.UTF-8}
floor=${FLOOR:-}
if [[ -z $floor ]]; then
    cmake -S "$(dirname "$bench")/qt-floor" -B "$build/qt-floor" -G Ninja \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build/qt-floor" >/dev/null
    floor=$PWD/$build/qt-floor/qt-floor
fi
language=${locale%%.*}
[[ $language == C ]] && language=
out=$(mktemp -d /tmp/startup-beside-floor.XXXXXX)
touch "$out/runs"
for ((round = 1; round <= rounds; ++round)); do
    for program in floor game; do
        [[ $program == floor ]] && command=$floor || command=$game
        "$bench" -n 5 -w 1 -i 1 -r 1 -o "$out/$program-$round" -e "LANG=$locale" \
            -e "LANGUAGE=$language" -- "$command" >/dev/null 2>&1 || true
        # A row per measured run whose window came: its map_ms and rss_kb.
        awk -v p=$program 'NR > 1 && $2 != "" { print p, $2, $4 }' \
            "$out/$program-$round/runs.tsv" >>"$out/runs" 2>/dev/null || true
    done
done
median() {
    sort -n | awk '{ v[NR] = $1 }
        END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
declare -A ms kb
for program in floor game; do
    runs=$(awk -v p=$program '$1 == p' "$out/runs" | wc -l)
    ((runs)) || { echo "startup.sh: no $program window came; see $out" >&2; exit 1; }
    ms[$program]=$(awk -v p=$program '$1 == p { print $2 }' "$out/runs" | median)
    kb[$program]=$(awk -v p=$program '$1 == p { print $3 }' "$out/runs" | median)
    printf '%-5s runs %2d  map_ms median %6.1f  rss median %6.1f MB\n' $program "$runs" \
        "${ms[$program]}" "$(awk -v k="${kb[$program]}" 'BEGIN { print k / 1024 }')"
done
awk -v g="${ms[game]}" -v f="${ms[floor]}" -v gk="${kb[game]}" -v fk="${kb[floor]}" \
    'BEGIN { printf "game/floor: map time %.3f, memory %+.1f MB\n", g / f, (gk - fk) / 1024 }'
echo "runs kept in $out"
