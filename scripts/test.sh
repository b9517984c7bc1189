#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test; where clang is installed, also runs each fuzz
# target once over its seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DORRERY_SANITIZE=ON \
      -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" >/dev/null
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"
if command -v clang++ >/dev/null; then
  scripts/fuzz.sh all 0
fi
