#!/usr/bin/env bash
# Builds the program (optimised) and starts it; arguments go to the program.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/deps.sh" build
cmake -S "$top" -B "$top/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLERY_TESTS=OFF -DQUILLERY_BENCH=OFF >/dev/null
program=quillery-tool
cmake --build "$top/build/release" -j "${QUILLERY_JOBS:-$(nproc)}" --target "$program"
exec "$top/build/release/src/$program" "$@"
