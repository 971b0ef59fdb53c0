# Shared by the app benchmark scripts: starts tocko headless on a fresh home
# whose default profile plays "soft" at full volume, with feedback on.
# TOCKO_BIN replaces the build's program (an installed one, say).
# TOCKO_ARGS replaces the default "--headless" (TOCKO_ARGS= runs with the
# user interface when a display is there). Sets TOCKO_PID and BENCH_TMP;
# stop_tocko ends it.

BUILD="${BUILD_DIR:-build}"
. scripts/services.sh

start_tocko() {
  BENCH_TMP="$(mktemp -d /tmp/tocko-bench-XXXXXX)"
  mkdir -p "$BENCH_TMP/data/Pollix" "$BENCH_TMP/config"
  cat >"$BENCH_TMP/data/Pollix/profiles.json" <<'JSON'
{"defaultProfile": {"bundleID": "*default", "displayName": "Default", "muted": false, "pack": "soft", "volume": 1.0}, "rules": {}}
JSON
  HOME="$BENCH_TMP" XDG_CONFIG_HOME="$BENCH_TMP/config" XDG_DATA_HOME="$BENCH_TMP/data" \
    TOCKO_NO_ONBOARDING=1 TOCKO_INPUT_BACKEND="${TOCKO_INPUT_BACKEND:-x11}" \
    "${TOCKO_BIN:-$BUILD/main/tocko}" ${TOCKO_ARGS---headless} 2>"$BENCH_TMP/tocko.log" &
  TOCKO_PID=$!
  for _ in $(seq 1 100); do
    grep -q "KeyTap: listenOnly" "$BENCH_TMP/tocko.log" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "tocko did not start listening; its trace:" >&2
  cat "$BENCH_TMP/tocko.log" >&2
  return 1
}

# Context switches (voluntary and involuntary) of every thread of the running
# tocko, one "tid count" line a thread: a snapshot for switches_since.
thread_switches() {
  for t in /proc/"$TOCKO_PID"/task/*; do
    awk -v t="${t##*/}" '/ctxt_switches/ {n += $2} END {print t, n}' "$t/status" 2>/dev/null || true
  done
}

# How many context switches tocko's threads made since the snapshot in file
# $1. A thread that ended in between drops out instead of counting negative
# (Qt's pool lets idle threads go after 30 s); one started since counts from
# zero.
switches_since() {
  thread_switches | awk 'NR == FNR {before[$1] = $2; next} {n += $2 - before[$1]} END {print n + 0}' "$1" -
}

stop_tocko() {
  if [ -n "${TOCKO_PID:-}" ]; then
    kill -TERM "$TOCKO_PID" 2>/dev/null || true
    wait "$TOCKO_PID" 2>/dev/null || true
    TOCKO_PID=""
  fi
  if [ -n "${BENCH_TMP:-}" ]; then rm -rf "$BENCH_TMP"; fi
  BENCH_TMP=""
  return 0
}
