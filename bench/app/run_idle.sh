#!/usr/bin/env bash
# Idle cost of a running tocko with feedback on: CPU time and wakeups (context
# switches of all its threads) over DURATION seconds (default 60) with no
# input, then resident memory (VmRSS, VmHWM). Measuring starts SETTLE_S
# seconds (default 8) after launch: past the launch click, the output's idle
# cork (3 s) and, without a tray host, the panel window opened at 5 s.
# Target: CPU near 0 %.
set -euo pipefail
cd "$(dirname "$0")/../.."
. bench/app/common.sh
trap stop_tocko EXIT

start_tocko
grep -q "Activity assertion held" "$BENCH_TMP/tocko.log" || { echo "feedback did not turn on" >&2; exit 1; }
sleep "${SETTLE_S:-8}"
ticks() { awk '{print $14 + $15}' "/proc/$TOCKO_PID/stat"; }
# "tid switches" per thread: a thread that ends in between (Qt's pool lets
# idle threads go after 30 s) drops out instead of counting negative.
switches() {
  for t in /proc/"$TOCKO_PID"/task/*; do
    awk -v t="${t##*/}" '/ctxt_switches/ {n += $2} END {print t, n}' "$t/status" 2>/dev/null || true
  done
}
hz=$(getconf CLK_TCK)
duration="${DURATION:-60}"
t0=$(ticks); switches >"$BENCH_TMP/switches0"; s0=$(date +%s.%N)
sleep "$duration"
t1=$(ticks); switches >"$BENCH_TMP/switches1"; s1=$(date +%s.%N)
# Threads started in between count from zero.
woken=$(awk 'NR == FNR {before[$1] = $2; next} {n += $2 - before[$1]} END {print n + 0}' \
  "$BENCH_TMP/switches0" "$BENCH_TMP/switches1")
awk -v t0="$t0" -v t1="$t1" -v w0=0 -v w1="$woken" -v hz="$hz" -v s0="$s0" -v s1="$s1" 'BEGIN {
  cpu = (t1 - t0) / hz; wall = s1 - s0;
  printf "idle: cpu=%.2fs over %.1fs = %.3f%% of one core, %.2f wakeups/s\n", cpu, wall, 100 * cpu / wall, (w1 - w0) / wall }'
grep -E "^(VmRSS|VmHWM|Threads)" "/proc/$TOCKO_PID/status" | tr -s ' \t' ' ' | sed 's/^/memory: /'
