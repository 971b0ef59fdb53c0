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
hz=$(getconf CLK_TCK)
duration="${DURATION:-60}"
t0=$(ticks); thread_switches >"$BENCH_TMP/switches"; s0=$(date +%s.%N)
sleep "$duration"
t1=$(ticks); woken=$(switches_since "$BENCH_TMP/switches"); s1=$(date +%s.%N)
awk -v t0="$t0" -v t1="$t1" -v w="$woken" -v hz="$hz" -v s0="$s0" -v s1="$s1" 'BEGIN {
  cpu = (t1 - t0) / hz; wall = s1 - s0;
  printf "idle: cpu=%.2fs over %.1fs = %.3f%% of one core, %.2f wakeups/s\n", cpu, wall, 100 * cpu / wall, w / wall }'
grep -E "^(VmRSS|VmHWM|Threads)" "/proc/$TOCKO_PID/status" | tr -s ' \t' ' ' | sed 's/^/memory: /'
