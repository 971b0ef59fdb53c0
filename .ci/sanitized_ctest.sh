#!/usr/bin/env bash
# Runs ctest on a sanitizer build: sanitized_ctest.sh BUILD_DIR [ctest args...]
#
# Sanitizers slow every thread several times over, so a test that waits on a
# real server or a timer may miss its deadline on a busy 2-core machine. A
# failed test is therefore run once more, and the retry is printed. What the
# sanitizers themselves find is never retried away: every report goes to a
# file, and any report fails the stage whatever the tests said.
set -uo pipefail
cd "$(dirname "$0")/.."
build="$1"
shift
reports="$(mktemp -d)"
trap 'rm -rf "$reports"' EXIT
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}log_path=$reports/asan"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}log_path=$reports/ubsan"
export TSAN_OPTIONS="${TSAN_OPTIONS:+$TSAN_OPTIONS:}log_path=$reports/tsan"
log="$build/sanitized_ctest.log"
ctest --test-dir "$build" --output-on-failure --timeout 300 -j2 --repeat until-pass:2 "$@" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
if grep -q "^ *[0-9]*/[0-9]* Test *#[0-9]*: .*\*\*\*Failed" "$log"; then
  echo "sanitized_ctest: these failed once and were run again:"
  grep "^ *[0-9]*/[0-9]* Test *#[0-9]*: .*\*\*\*Failed" "$log" | sed 's/^/  /'
fi
if [ -n "$(ls -A "$reports")" ]; then
  for report in "$reports"/*; do
    echo "===== sanitizer report $(basename "$report")"
    cat "$report"
  done
  echo "sanitized_ctest: the sanitizers reported the above" >&2
  exit 1
fi
exit "$status"
