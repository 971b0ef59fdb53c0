#!/usr/bin/env bash
# Resident memory of tocko with its user interface, VmRSS and VmHWM after the
# Settings window has been opened through the control verb (on a private
# session bus), on the X server of scripts/services.sh, in two desktops:
#   with a tray    an XEmbed tray host (trayer) holds the icon: the usual case;
#   without one    the panel opens as a window of its own beside Settings.
# Target: VmRSS at most 60 MB with the tray; the other line is for reference.
#   bench/app/run_ui_memory.sh          (TOCKO_BIN=/usr/bin/tocko for an installed one)
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${TOCKO_UI_MEMORY_BUS:-}" ]; then
  exec env TOCKO_UI_MEMORY_BUS=1 dbus-run-session -- "$0" "$@"
fi
. bench/app/common.sh
TRAY_PID=""
cleanup() {
  stop_tocko
  if [ -n "$TRAY_PID" ]; then kill "$TRAY_PID" 2>/dev/null || true; fi
}
trap cleanup EXIT
tocko_bin="${TOCKO_BIN:-$BUILD/main/tocko}"

measure() {  # $1: label, $2: the log line to wait for before measuring
  TOCKO_ARGS="" start_tocko
  "$tocko_bin" settings >/dev/null
  for _ in $(seq 1 100); do
    grep -q "$2" "$BENCH_TMP/tocko.log" && break
    sleep 0.1
  done
  sleep "${SETTLE:-3}"  # windows drawn
  local kb hwm
  kb=$(awk '/^VmRSS/ {print $2}' "/proc/$TOCKO_PID/status")
  hwm=$(awk '/^VmHWM/ {print $2}' "/proc/$TOCKO_PID/status")
  awk -v label="$1" -v kb="$kb" -v hwm="$hwm" -v target="$3" 'BEGIN {
    printf "ui memory %s: VmRSS=%.1f MB VmHWM=%.1f MB", label, kb / 1024, hwm / 1024
    if (target) printf " (target: VmRSS <= 60 MB) %s", kb <= 60 * 1024 ? "PASS" : "OVER"
    printf "\n" }'
  stop_tocko
}

# Without a tray: the no-tray check runs 5 s after start and opens the panel
# as a window; measured after it, not racing it.
measure "without a tray (panel window + Settings)" "no system tray; opened" ""

if command -v trayer >/dev/null; then
  trayer --edge top --widthtype request >/dev/null 2>&1 &
  TRAY_PID=$!
  sleep 1
  measure "with a tray (Settings)" "Settings" 1
else
  echo "ui memory with a tray: not measured (install trayer for an XEmbed tray host)"
fi
