#!/usr/bin/env bash
# Builds the libFuzzer targets of the PVF reader and the .ben reader in their own clang tree and
# runs each in turn, the PVF one with its keyword dictionary, both on inputs up to 1 MB, seeded
# with the example scenes and images and the inputs of past findings. Exits non-zero when a
# fuzzer finds a crash, a sanitizer report or a broken invariant.
#   tests/fuzz/run_fuzz.sh                 a fixed run: 100000 inputs each from random seed 1,
#                                          so the test run gives the same verdict every time
#   tests/fuzz/run_fuzz.sh --runs N        N inputs each from random seed 1
#   tests/fuzz/run_fuzz.sh --explore SECS  a fresh random seed for SECS seconds each
# A finding's input belongs in tests/fuzz/regressions/ once it is fixed.
set -euo pipefail
shopt -s nullglob

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
case "${1:-}" in
--explore) bounds=(-max_total_time="${2:-600}") what="in ${2:-600} s" ;;
--runs) bounds=(-runs="$2" -seed=1) what="in $2 inputs" ;;
*) bounds=(-runs=100000 -seed=1) what="in 100000 inputs" ;;
esac
build="${PIXELFORGE_FUZZ_BUILD:-$root/build-fuzz}"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPIXELFORGE_FUZZ=ON -DPIXELFORGE_GUI=OFF -DPIXELFORGE_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target fuzz_vector_reader fuzz_ben_reader >/dev/null

corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT

# Findings go beside the build, not into the working directory; the fuzzer's progress lines go
# to a log that is shown only when something was found.
fuzz() { # TARGET EXTENSION OPTIONS...: seeded with the project's files of that extension
    local target=$1 log="$build/$1.log"
    mkdir "$corpus/$target"
    cp "$root"/{examples,data,data/textures,tests/fuzz/regressions}/*."$2" "$corpus/$target/"
    shift 2
    if ! "$build/$target" "${bounds[@]}" "$@" -max_len=1048576 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/$target-" "$corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$target: FINDING, see $log and the crash file in $build/"
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' "$log" || true
    echo "$target: no finding $what"
}

fuzz fuzz_vector_reader pvf -dict="$root/tests/fuzz/pvf.dict"
fuzz fuzz_ben_reader ben
