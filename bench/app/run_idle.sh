#!/usr/bin/env bash
# Idle cost of a running tocko with feedback on: CPU time over DURATION
# seconds (default 60) with no input, then resident memory (VmRSS, VmHWM).
# Target: CPU near 0 %.
set -euo pipefail
cd "$(dirname "$0")/../.."
. bench/app/common.sh
trap stop_tocko EXIT

start_tocko
grep -q "Activity assertion held" "$BENCH_TMP/tocko.log" || { echo "feedback did not turn on" >&2; exit 1; }
sleep 2  # let the launch click, the engine start and the monitors settle
ticks() { awk '{print $14 + $15}' "/proc/$TOCKO_PID/stat"; }
hz=$(getconf CLK_TCK)
duration="${DURATION:-60}"
t0=$(ticks); s0=$(date +%s.%N)
sleep "$duration"
t1=$(ticks); s1=$(date +%s.%N)
awk -v t0="$t0" -v t1="$t1" -v hz="$hz" -v s0="$s0" -v s1="$s1" 'BEGIN {
  cpu = (t1 - t0) / hz; wall = s1 - s0;
  printf "idle: cpu=%.2fs over %.1fs = %.3f%% of one core\n", cpu, wall, 100 * cpu / wall }'
grep -E "^(VmRSS|VmHWM|Threads)" "/proc/$TOCKO_PID/status" | tr -s ' \t' ' ' | sed 's/^/memory: /'
