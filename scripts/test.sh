#!/usr/bin/env bash
# Builds everything under AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test, then builds it optimised (Release, as users run it)
# and runs every test again: an optimised build reuses memory at once that
# the sanitizer build quarantines, and optimises on what the sanitizers
# check.  Where clang is installed, also runs each fuzz target once over its
# seeds.  A warning that the compilers or the grammar generators give about
# the project's own files, in either build, fails the run (warnings located
# in system headers do not count).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# build_and_test DIR CMAKE-OPTIONS...: configures, builds (the output kept in
# $log for the warning check) and runs the whole ctest.
build_and_test() {
  local dir=$1
  shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs" 2>&1 | tee -a "$log"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

build_and_test build-test -DCMAKE_BUILD_TYPE=Debug -DORRERY_SANITIZE=ON \
               -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"
# Benchmarks and fuzz targets are off by default: the tests only.
build_and_test build-test-release -DCMAKE_BUILD_TYPE=Release
if command -v clang++ >/dev/null; then
  scripts/fuzz.sh all 0
fi
# "file:line:col: warning:" from the compilers, "file: warning:" from the
# generators.
warned=$(grep -E '^[^ :]+(:[0-9]+)*: warning: ' "$log" | grep -v '^/usr/' || true)
if [ -n "$warned" ]; then
  echo "The build warned about these files of the project:" >&2
  echo "$warned" | cut -d: -f1 | sort -u | sed 's/^/  /' >&2
  echo "$warned" >&2
  exit 1
fi
