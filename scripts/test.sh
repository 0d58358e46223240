#!/usr/bin/env bash
# Builds everything and runs every test: the Debug build (warnings are errors), then the
# core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
jobs=${QUILLERY_JOBS:-$(nproc)}

cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build/debug -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/debug --output-on-failure -j "$jobs"

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLERY_SANITIZE=ON \
  -DQUILLERY_GUI=OFF -DQUILLERY_BENCH=OFF
cmake --build build/sanitize -j "$jobs" --target quillery_core_tests quillery-tool
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"
echo "All tests passed."
