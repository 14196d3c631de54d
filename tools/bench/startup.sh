#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time, resident memory and idle CPU of the game, measured by peer-bench.sh on a
# private X server (see `peer-bench.sh -h` for what each figure means).
#
#   tools/bench/startup.sh [peer-bench options...]      e.g. -n 10 -i 20
#
# PEER_BENCH names peer-bench.sh, by default the one of the shared tools beside the checkout
# (../shared/tools/); BUILD the optimised build folder (shared with scripts/play).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

bench=${PEER_BENCH:-../shared/tools/peer-bench.sh}
build=${BUILD:-build-play}
[[ -x $bench ]] || { echo "startup.sh: set PEER_BENCH to peer-bench.sh" >&2; exit 2; }
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCOBBLEWELL_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target cobblewell >/dev/null
exec "$bench" -l cobblewell "$@" -- "$PWD/$build/ui/cobblewell"
