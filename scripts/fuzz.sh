#!/usr/bin/env bash
# Builds the dose estimate's fuzz target with clang, runs it on a copy of the
# seed corpus, and fails on any finding. Usage: scripts/fuzz.sh [SECONDS]
# (default 60). Build directory: $FUZZ_BUILD_DIR, else build-fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [SECONDS]" >&2
    exit 2
fi

scripts/deps.sh fuzz
build=${FUZZ_BUILD_DIR:-build-fuzz}
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build"

# The committed corpus keeps only the seeds: what a run adds stays in the
# build directory and is thrown away by the next run.
run=$build/run
rm -rf "$run"
mkdir -p "$run/corpus" "$run/findings"
cp fuzz/corpus/* "$run/corpus/"

echo "Fuzzing dose_fuzz for $seconds s (log: $run/log)"
status=0
"$build/dose_fuzz" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -dict=fuzz/dose.dict -artifact_prefix="$run/findings/" "$run/corpus" >"$run/log" 2>&1 ||
    status=$?

findings=$(find "$run/findings" -type f | sort)
if [ "$status" -ne 0 ] || [ -n "$findings" ]; then
    tail -n 60 "$run/log" >&2
    echo "dose_fuzz: FAILED (exit status $status); inputs that show it:" >&2
    echo "${findings:-  none saved}" >&2
    echo "Replay one with: $build/dose_fuzz FILE" >&2
    exit 1
fi

# libFuzzer's last status line ("#N DONE cov: C ft: F corp: U/Sb ...") and its
# final statistics give the figures.
done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$run/log" | tail -n 1)
stat() { sed -n "s/^stat::$1:[[:space:]]*//p" "$run/log"; }
field() { sed -E "s/.* $1: ([0-9]+).*/\1/" <<<"$done_line"; }
corpus=$(sed -E 's|.* corp: ([0-9]+)/([0-9]+[a-zA-Z]+).*|\1 inputs, \2|' <<<"$done_line")
echo "dose_fuzz: no findings in $seconds s: $(stat number_of_executed_units) executions," \
    "$(stat average_exec_per_sec) exec/s, cov: $(field cov), ft: $(field ft)," \
    "corpus: $corpus, $(stat new_units_added) new units"
