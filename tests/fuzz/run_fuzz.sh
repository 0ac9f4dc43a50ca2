#!/usr/bin/env bash
# Builds the PVF reader's libFuzzer target in its own clang tree and runs it, seeded with the
# example scenes and the inputs of past findings. Exits non-zero when the fuzzer finds a crash,
# a sanitizer report or a broken invariant.
#   tests/fuzz/run_fuzz.sh                 a fixed run: 100000 inputs from random seed 1, so
#                                          the test run gives the same verdict every time
#   tests/fuzz/run_fuzz.sh --explore SECS  a fresh random seed for SECS seconds, to look further
# A finding's input belongs in tests/fuzz/regressions/ once it is fixed.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
if [ "${1:-}" = "--explore" ]; then
    bounds=(-max_total_time="${2:-600}")
    what="in ${2:-600} s"
else
    bounds=(-runs=100000 -seed=1)
    what="in 100000 inputs"
fi
build="${PIXELFORGE_FUZZ_BUILD:-$root/build-fuzz}"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPIXELFORGE_FUZZ=ON -DPIXELFORGE_GUI=OFF -DPIXELFORGE_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target fuzz_vector_reader >/dev/null

corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
cp "$root"/examples/*.pvf "$root"/tests/fuzz/regressions/* "$corpus"/

# Findings go beside the build, not into the working directory; the fuzzer's progress lines go
# to a log that is shown only when something was found.
log="$build/fuzz.log"
if ! "$build/fuzz_vector_reader" "${bounds[@]}" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/" "$corpus" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz_vector_reader: FINDING, see $log and the crash file in $build/"
    exit 1
fi
grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' "$log" || true
echo "fuzz_vector_reader: no finding $what"
