#!/usr/bin/env bash
# Fuzzes the profile decoder, the appcast parser, the sound pack config
# parser and the pack import from a .zip with libFuzzer (clang),
# each for a bounded time (FUZZ_SECONDS, default 60), starting from the seed
# corpus in tests/fuzz/corpus. New inputs go to a scratch folder, not the repo.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH="${FUZZ_SECONDS:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOCKO_FUZZ=ON \
  -DTOCKO_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzz_profile_decode fuzz_appcast fuzz_pack_config fuzz_pack_zip
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
for pair in fuzz_profile_decode:profile fuzz_appcast:appcast fuzz_pack_config:pack_config fuzz_pack_zip:pack_zip; do
  target="${pair%%:*}" corpus="${pair##*:}"
  mkdir -p "$scratch/$corpus"
  echo "== $target for ${SECONDS_EACH}s"
  # Qt keeps some allocations for the life of the process; leaks are not
  # what these targets look for.
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build-fuzz/tests/fuzz/$target" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="$scratch/" \
    "$scratch/$corpus" "tests/fuzz/corpus/$corpus"
done
