#!/usr/bin/env bash
# Measured run of the board manager's poll against the power-board simulator: bytes on
# the line and wall time per one-second poll cycle of four running channels (from the
# benchmark's counters), and the instructions the program spends per cycle, counted by
# callgrind over the poll cycles alone (the simulator runs as its own process and is not
# counted). Needs valgrind (apt-get install valgrind).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build-bench}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRONDIX_BENCH=ON >/dev/null
cmake --build "$build" -j4 --target bench_boardpoll >/dev/null
"$build/bench/bench_boardpoll"
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$out" \
    "$build/bench/bench_boardpoll" --benchmark_format=json > "$out.json" 2>/dev/null
cycles=$(grep -m1 '"iterations"' "$out.json" | tr -dc '0-9')
total=$(grep -m1 '^summary:' "$out" | awk '{print $2}')
rm -f "$out.json"
echo "callgrind: $total instructions over $cycles poll cycles = $((total / cycles)) per cycle"
