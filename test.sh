#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, the fuzzers for a bounded time, then the whole suite (unit and
# end to end, each end-to-end test on a virtual display of its own).
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh

jobs=$(nproc)

echo "== Unit tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPIXELFORGE_SANITIZE=ON \
    -DPIXELFORGE_GUI=OFF -DPIXELFORGE_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs" --target unit_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ./build-asan/unit_tests --gtest_brief=1

if [ -x tests/fuzz/run_fuzz.sh ]; then
    echo "== Fuzzing the PVF and .ben readers"
    tests/fuzz/run_fuzz.sh
fi

echo "== The whole suite"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
xvfb-run -a ctest --test-dir build --output-on-failure -j"$jobs"
