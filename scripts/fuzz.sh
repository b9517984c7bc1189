#!/usr/bin/env bash
# Fuzzes under AddressSanitizer and UndefinedBehaviorSanitizer (needs clang).
#   scripts/fuzz.sh [TARGET] [SECONDS] [libFuzzer options...]
# TARGET: mssql, oracle, mysql, msaccess, generic, formatter, diagram or
# all (the default, one after another).  SECONDS per target, default 600;
# 0 only runs every target over its committed seeds, as CI does.  New
# inputs gather in build-fuzz/corpus/TARGET, findings in build-fuzz/findings.
#   scripts/fuzz.sh seeds
# cuts samples/ and ../shared/corpus (or $ORRERY_SHARED_DIR/corpus) into
# statements again and adds to fuzz/seeds those that reach code that the
# seeds there do not.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:-all}
seconds=${2:-600}
shift $(( $# < 2 ? $# : 2 ))
extra=("$@")

build=build-fuzz
# Configured once: a build re-runs CMake itself when its files change, and
# runs of this script side by side then leave the configuration alone.
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
    -DORRERY_SANITIZE=ON -DORRERY_FUZZ=ON -DORRERY_TESTS=OFF \
    -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target fuzz_targets

if [ "$target" = all ] && [ "$seconds" = 0 ]; then
  exec ctest --test-dir "$build" --output-on-failure -j "$(nproc)" -L fuzz
fi

export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
read -r -a limits < fuzz/limits.options

# name seeds-folder dictionary, one line per target
targets() { cat "$build/fuzz/targets.txt"; }

# Cuts each dialect's scripts into statements in a scratch folder, then
# merges into the committed seeds what adds coverage.
make_seeds() {
  local scratch; scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' RETURN
  local corpus=${ORRERY_SHARED_DIR:-../shared}/corpus split="$build/fuzz/split_seeds"
  local dialects=(mssql oracle mysql access generic) v
  for v in 0 1 2 3 4; do
    local d=${dialects[$v]} name; name=$([ "$d" = access ] && echo msaccess || echo "$d")
    local scripts=(samples/*"${d}"_*.sql)
    [ -d "$corpus/$d" ] && scripts+=("$corpus/$d"/*)
    "$split" "$v" "" "$scratch/$name" "${scripts[@]}"
    "$split" "$v" "$(printf '%02x' "$v")000000000000000000" "$scratch/formatter" "${scripts[@]}"
    "$split" "$v" "$(printf '%02x' "$v")" "$scratch/diagram" "${scripts[@]}"
    "$split" "$v" "$(printf '%02x' "$v")" "$scratch/diagram" --whole samples/*"${d}"_*.sql
  done
  local t seeds dict
  while read -r t seeds dict; do
    mkdir -p "fuzz/seeds/$seeds"
    "$build/fuzz/$t" -merge=1 "${limits[@]}" "fuzz/seeds/$seeds" "$scratch/$seeds" </dev/null
  done < <(targets)
}

run() {
  local t=$1 seeds=$2 dict=$3
  mkdir -p "$build/corpus/$seeds" "$build/findings"
  "$build/fuzz/$t" -max_total_time="$seconds" "${limits[@]}" -dict="$dict" \
    -artifact_prefix="$build/findings/$seeds-" -print_final_stats=1 "${extra[@]}" \
    "$build/corpus/$seeds" "fuzz/seeds/$seeds"
}

if [ "$target" = seeds ]; then
  make_seeds
  exit 0
fi
found=0
while read -r t seeds dict; do
  if [ "$target" = all ] || [ "$target" = "$seeds" ]; then
    found=1
    if [ "$seconds" = 0 ]; then
      "$build/fuzz/$t" -runs=0 "${limits[@]}" "fuzz/seeds/$seeds" </dev/null
    else
      run "$t" "$seeds" "$dict" </dev/null
    fi
  fi
done < <(targets)
[ "$found" = 1 ] || { echo "no fuzz target $target" >&2; exit 2; }
