#!/usr/bin/env bash
# Sets up, builds and runs Tocko from the build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOCKO_BUILD_BENCH=OFF
cmake --build build
exec build/app/tocko "$@"
