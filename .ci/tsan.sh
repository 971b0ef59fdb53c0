#!/usr/bin/env bash
# The core tests (support, audio, input) once more under ThreadSanitizer.
# Expects the X server and PulseAudio daemon of scripts/services.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
TSAN_FLAGS="-fsanitize=thread -fno-omit-frame-pointer"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOCKO_CORE_ONLY=ON \
  -DTOCKO_BUILD_BENCH=OFF -DTOCKO_WERROR=ON \
  -DCMAKE_C_FLAGS="$TSAN_FLAGS" -DCMAKE_CXX_FLAGS="$TSAN_FLAGS" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=thread"
cmake --build build-tsan
TSAN_OPTIONS="suppressions=$PWD/.ci/tsan.supp:halt_on_error=1:second_deadlock_stack=1" \
  .ci/sanitized_ctest.sh build-tsan -L core
