#!/usr/bin/env bash
# Key-press-to-sound latency of tocko on the null sink "tocko_null": keylat
# types through XTEST and finds each click's onset on tocko_null.monitor.
# Targets: median <= 10 ms, p90 <= 15 ms.
#   PRESSES (default 200), INTERVAL_MS (default 150), CALIBRATE=1 to also
#   measure the tool itself (keylat plays its own click on the sink).
set -euo pipefail
cd "$(dirname "$0")/../.."
. bench/app/common.sh
KEEP_PID=""
cleanup() {
  stop_tocko
  if [ -n "$KEEP_PID" ]; then kill -INT "$KEEP_PID" 2>/dev/null || true; fi
  return 0
}
trap cleanup EXIT

# An idle null sink runs on a two-second timer; a low-latency recorder that
# runs throughout keeps it at a latency a click can be heard in.
parecord --device=tocko_null.monitor --latency-msec=10 --file-format=wav /dev/null >/dev/null 2>&1 &
KEEP_PID=$!
sleep 2.5

if [ "${CALIBRATE:-0}" = 1 ]; then
  echo "calibration (keylat's own click, no tocko):"
  KEYLAT_SELF_SINK=tocko_null "$BUILD/bench/app/keylat" tocko_null.monitor 50 "${INTERVAL_MS:-150}" a 0.02
fi

start_tocko
sleep 1
echo "tocko:"
"$BUILD/bench/app/keylat" tocko_null.monitor "${PRESSES:-200}" "${INTERVAL_MS:-150}" a 0.02
