#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DORRERY_TESTS=OFF -DORRERY_BENCH=ON >/dev/null
cmake --build build-bench -j "$(nproc)"
for b in build-bench/bench/*; do
  [ -x "$b" ] && [ -f "$b" ] && "$b"
done
