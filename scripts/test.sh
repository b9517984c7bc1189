#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test; where clang is installed, also runs each fuzz
# target once over its seeds.  A warning that the compilers or the grammar
# generators give about the project's own files fails the run (warnings
# located in system headers do not count).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DORRERY_SANITIZE=ON \
      -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" >/dev/null
log=$(mktemp)
trap 'rm -f "$log"' EXIT
cmake --build build-test -j "$jobs" 2>&1 | tee "$log"
# "file:line:col: warning:" from the compilers, "file: warning:" from the
# generators.
warned=$(grep -E '^[^ :]+(:[0-9]+)*: warning: ' "$log" | grep -v '^/usr/' || true)
ctest --test-dir build-test --output-on-failure -j "$jobs"
if command -v clang++ >/dev/null; then
  scripts/fuzz.sh all 0
fi
if [ -n "$warned" ]; then
  echo "The build warned about these files of the project:" >&2
  echo "$warned" | cut -d: -f1 | sort -u | sed 's/^/  /' >&2
  echo "$warned" >&2
  exit 1
fi
