#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them all, printing their figures:
# dose calculations per second, the window's start-up time and peak memory
# against a bare Qt window, and the time from a click to the result.
# Usage: bench/run.sh [RUNS] (start-up runs of each probe, default 15).
# Build directory: $BENCH_BUILD_DIR, else build-bench.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
if ! [[ $runs =~ ^[0-9]+$ ]] || [ "$runs" -lt 10 ]; then
    echo "usage: $0 [RUNS], RUNS at least 10" >&2
    exit 2
fi

scripts/deps.sh bench

build=${BENCH_BUILD_DIR:-build-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target estimate_bench first_paint_zavir2 first_paint_bare click_bench

# Debian's own interpreter where there is one: the scripts need nothing else.
python=/usr/bin/python3
[ -x "$python" ] || python=python3

echo
echo "== estimate_bench"
"$build/bench/estimate/estimate_bench"
echo
echo "== start-up"
"$python" bench/startup/run.py --build "$build" --runs "$runs"
echo
echo "== memory"
"$python" bench/startup/memory.py --build "$build"
echo
echo "== click"
"$build/bench/click/click_bench"
