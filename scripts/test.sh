#!/usr/bin/env bash
# Sets up (with the test packages), builds and runs every test. Starts an X server and a PulseAudio
# daemon for the tests that talk to real ones.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --test
BUILD="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOCKO_BUILD_TESTS=ON -DTOCKO_BUILD_BENCH=ON \
  ${TOCKO_CMAKE_ARGS:-}
cmake --build "$BUILD"
. scripts/services.sh
ctest --test-dir "$BUILD" --output-on-failure --timeout 300 -j2 ${CTEST_ARGS:-}
