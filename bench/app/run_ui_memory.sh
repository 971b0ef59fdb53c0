#!/usr/bin/env bash
# Resident memory of tocko with its user interface: started with the tray on
# the X server of scripts/services.sh, the Settings window opened through the
# control verb (on a private session bus), then VmRSS and VmHWM.
# Target: VmRSS at most 60 MB.
#   bench/app/run_ui_memory.sh          (TOCKO_BIN=/usr/bin/tocko for an installed one)
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${TOCKO_UI_MEMORY_BUS:-}" ]; then
  exec env TOCKO_UI_MEMORY_BUS=1 dbus-run-session -- "$0" "$@"
fi
. bench/app/common.sh
trap stop_tocko EXIT
TOCKO_ARGS="" start_tocko
tocko_bin="${TOCKO_BIN:-$BUILD/main/tocko}"
"$tocko_bin" settings >/dev/null
# The no-tray check runs 5 s after start and opens its note (this X server
# has no tray): measured after it, not racing it.
for _ in $(seq 1 100); do
  grep -q "no system tray; opened" "$BENCH_TMP/tocko.log" && break
  sleep 0.1
done
sleep "${SETTLE:-3}"  # windows drawn
kb=$(awk '/^VmRSS/ {print $2}' "/proc/$TOCKO_PID/status")
hwm=$(awk '/^VmHWM/ {print $2}' "/proc/$TOCKO_PID/status")
awk -v kb="$kb" -v hwm="$hwm" 'BEGIN {
  printf "ui memory: VmRSS=%.1f MB VmHWM=%.1f MB (target: VmRSS <= 60 MB) %s\n", kb / 1024, hwm / 1024,
         kb <= 60 * 1024 ? "PASS" : "OVER" }'
