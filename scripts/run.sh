#!/usr/bin/env bash
# Builds the wizard (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DORRERY_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)"
exec build/src/app/orrery
