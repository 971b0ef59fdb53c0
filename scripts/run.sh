#!/usr/bin/env bash
# Sets up, builds and runs Tocko from the build tree (no tests, no test
# tools). Arguments go to tocko, e.g. scripts/run.sh --help.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOCKO_BUILD_BENCH=OFF -DTOCKO_BUILD_TESTS=OFF
cmake --build build
exec build/main/tocko "$@"
