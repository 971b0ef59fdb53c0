#!/usr/bin/env bash
# Key-press-to-sound latency of tocko on the null sink "tocko_null", against
# PulseAudio and against PipeWire (pipewire + WirePlumber + pipewire-pulse,
# started by .ci/pipewire.sh in a runtime directory of their own), each with
# its calibration in the same run: keylat plays its own click through a
# 64-frame buffer (the harness floor), then types into a running tocko.
# Then types PAUSE_PRESSES keys PAUSE_MS apart, each the first key after a
# pause longer than the output's idle cork (3 s), and types once more into a
# tocko whose default pack is keylat's own click (see "sharp" below).
# Prints, per server, the floors (see below), tocko while typing and after a pause
# (median, p99, max), each minus the floor, tocko's underruns and its
# wakeups per second while typing and while idle.
# Targets (tocko minus floor): median <= 0.5 ms, p99 <= 2 ms; no underrun.
# The sharp run against the listening floor is the like-for-like figure: the
# same click, heard the same way, the same X11 road.
#   PRESSES (default 1000), INTERVAL_MS (default 150), CAL_PRESSES (default
#   300), SERVERS (default "pulseaudio pipewire"), IDLE_S (default 10),
#   PAUSE_PRESSES (default 10), PAUSE_MS (default 4500), SHARP_PRESSES (default
#   PRESSES), DUMP=dir (per-press delays, one a line in press order:
#   dir/<server>-{floor-queue,floor-seek,floor-xi,typing,pause,sharp}.lat)
set -euo pipefail
cd "$(dirname "$0")/../.."

if [ "${1:-}" != --one ]; then
  for server in ${SERVERS:-pulseaudio pipewire}; do
    case "$server" in
      pulseaudio) bench/app/run_latency.sh --one pulseaudio ;;
      pipewire) .ci/pipewire.sh bench/app/run_latency.sh --one pipewire ;;
      *) echo "unknown server $server" >&2; exit 2 ;;
    esac
  done
  exit 0
fi

LABEL="$2"
. bench/app/common.sh
KEEP_PID=""
sharp=""
cleanup() {
  stop_tocko
  if [ -n "$sharp" ]; then rm -rf "$sharp"; fi
  if [ -n "$KEEP_PID" ]; then kill -INT "$KEEP_PID" 2>/dev/null || true; fi
  return 0
}
trap cleanup EXIT
pactl info | grep -q "Server Name: .*PipeWire" && actual=pipewire || actual=pulseaudio
[ "$actual" = "$LABEL" ] || { echo "$LABEL: the server answering is $actual" >&2; exit 2; }
pactl set-default-sink tocko_null
# PipeWire's pulse server may report 0 as the record latency: both runs then
# time onsets by the recording's own frame count (see keylat.c). Its graph
# runs at the smallest latency any stream asks for, so keylat records there
# in fragments of the default quantum (1024 frames) and the player alone
# lowers it.
if [ "$LABEL" = pipewire ]; then export KL_CLOCK=frames KL_REC_FRAMES=1024; fi

# An idle PulseAudio null sink runs on a two-second timer; a recorder that
# runs throughout keeps it at a latency a click can be heard in.
if [ "$LABEL" = pulseaudio ]; then
  parecord --device=tocko_null.monitor --latency-msec=10 --file-format=wav /dev/null >/dev/null 2>&1 &
  KEEP_PID=$!
  sleep 2.5
fi

field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<"$2"; }

dump() { if [ -n "${DUMP:-}" ]; then mkdir -p "$DUMP" && echo "KL_OUT=$DUMP/$LABEL-$1"; fi; }
# Two floors: keylat's click behind a 64-frame queue, and its click written
# over the queue at the server's read position. PipeWire's pulse server
# raises that queue to 768 frames (16 ms), so there the second is the floor
# (the graph's quantum); on PulseAudio the first is, as the targets were set.
cal_queue=$(env $(dump floor-queue) KL_SELF_SINK=tocko_null KL_SELF_TLEN=64 "$BUILD/bench/app/keylat" \
  tocko_null.monitor "${CAL_PRESSES:-300}" "${INTERVAL_MS:-150}" a 0.02)
echo "$LABEL floor, 64-frame queue:   $cal_queue"
cal_seek=$(env $(dump floor-seek) KL_SELF_SINK=tocko_null KL_SELF_TLEN=64 KL_SELF_SEEK=1 "$BUILD/bench/app/keylat" \
  tocko_null.monitor "${CAL_PRESSES:-300}" "${INTERVAL_MS:-150}" a 0.02)
echo "$LABEL floor, at read position: $cal_seek"
# A third, the floor of a listening program: keylat plays its click at the
# read position when the press comes back to it as an XInput2 raw event, the
# road tocko's key takes on X11. What tocko adds over it is its own cost.
cal_xi=$(env $(dump floor-xi) KL_SELF_SINK=tocko_null KL_SELF_TLEN=64 KL_SELF_SEEK=1 KL_SELF_XI=1 \
  "$BUILD/bench/app/keylat" tocko_null.monitor "${CAL_PRESSES:-300}" "${INTERVAL_MS:-150}" a 0.02)
echo "$LABEL floor, listening to X11: $cal_xi"
if [ "$LABEL" = pipewire ]; then cal="$cal_seek" floor_name="at read position"; else cal="$cal_queue" floor_name="64-frame queue"; fi

start_tocko
sleep 1
thread_switches >"$BENCH_TMP/switches"; s0=$(date +%s.%N)
res=$(env $(dump typing) "$BUILD/bench/app/keylat" tocko_null.monitor "${PRESSES:-1000}" "${INTERVAL_MS:-150}" a 0.02)
w_typing=$(switches_since "$BENCH_TMP/switches"); s1=$(date +%s.%N)
echo "$LABEL tocko:  $res"
sleep 4  # past the idle cork
thread_switches >"$BENCH_TMP/switches"; s2=$(date +%s.%N)
sleep "${IDLE_S:-10}"
w_idle=$(switches_since "$BENCH_TMP/switches"); s3=$(date +%s.%N)
pause_ms="${PAUSE_MS:-4500}"
pau=$(env $(dump pause) KL_WAIT_MS="$pause_ms" "$BUILD/bench/app/keylat" tocko_null.monitor "${PAUSE_PRESSES:-10}" "$pause_ms" a 0.02)
echo "$LABEL after a pause: $pau"
quanta=""
if [ "$LABEL" = pipewire ] && command -v pw-profiler >/dev/null; then
  # The graph's quantum (the driver's cycle, in frames at 48 kHz, the most
  # frequent over two seconds) with a 1024-frame recorder running: while
  # tocko is corked, then while it plays clicks.
  quantum() {
    # pw-profiler also leaves plot files in its working folder.
    (cd "$BENCH_TMP" && timeout -s INT 2 pw-profiler -o profiler.log >/dev/null 2>&1) || true
    awk '{ n[int($4 * 48 / 1000 + 0.5)]++ } END { for (q in n) if (n[q] > best) { best = n[q]; bq = q }
      print best ? bq : "none" }' "$BENCH_TMP/profiler.log"
  }
  sleep 4  # corked again
  KL_WAIT_MS=3000 "$BUILD/bench/app/keylat" tocko_null.monitor 1 150 a 0.02 >/dev/null &
  sleep 0.5; q_idle=$(quantum); wait $! || true
  "$BUILD/bench/app/keylat" tocko_null.monitor 25 150 a 0.02 >/dev/null &
  sleep 1.5; q_typing=$(quantum); wait $! || true
  quanta="graph quantum: ${q_idle} frames corked, ${q_typing} frames while clicks play"
  echo "$LABEL $quanta"
fi
log="$BENCH_TMP/tocko.log"
kill -TERM "$TOCKO_PID"; wait "$TOCKO_PID" 2>/dev/null || true; TOCKO_PID=""
underruns=$(sed -n 's/.*stream closed, \([0-9]*\) underruns.*/\1/p' "$log" | tail -n 1)
# The packs' presses rise over their first millisecond or so (the key's
# travel before it bottoms out), and keylat hears a press only once it is
# past its threshold. Typing once more with keylat's own click in place of
# the default pack's samples (audible from the first sample) leaves the
# delivery alone, to set against the listening floor.
stop_tocko
sharp="$(mktemp -d /tmp/tocko-sharp-XXXXXX)"
for entry in "$PWD"/resources/*; do [ "$(basename "$entry")" = sounds ] || ln -s "$entry" "$sharp/"; done
mkdir "$sharp/sounds"
for wav in "$PWD"/resources/sounds/*; do
  case "$(basename "$wav")" in
    pack-soft*.wav) KL_WRITE_CLICK="$sharp/sounds/$(basename "$wav")" "$BUILD/bench/app/keylat" ;;
    *) ln -s "$wav" "$sharp/sounds/" ;;
  esac
done
TOCKO_RESOURCES="$sharp" start_tocko
sleep 1
shp=$(env $(dump sharp) "$BUILD/bench/app/keylat" tocko_null.monitor "${SHARP_PRESSES:-${PRESSES:-1000}}" "${INTERVAL_MS:-150}" a 0.02)
echo "$LABEL tocko, click audible from its first sample: $shp"
stop_tocko
rm -rf "$sharp"
sharp=""
awk -v l="$LABEL" -v fn="$floor_name" -v quanta="$quanta" -v fm="$(field median_ms "$cal")" -v fp="$(field p99_ms "$cal")" -v fx="$(field max_ms "$cal")" \
  -v xm="$(field median_ms "$cal_xi")" -v xp="$(field p99_ms "$cal_xi")" \
  -v sm="$(field median_ms "$shp")" -v sp="$(field p99_ms "$shp")" -v sx="$(field max_ms "$shp")" \
  -v tm="$(field median_ms "$res")" -v tp="$(field p99_ms "$res")" -v tx="$(field max_ms "$res")" \
  -v pm="$(field median_ms "$pau")" -v px="$(field max_ms "$pau")" \
  -v miss="$(( $(field missed "$res") + $(field missed "$pau") + $(field missed "$shp") ))" -v load="$(cut -d' ' -f1-3 /proc/loadavg)" \
  -v u="${underruns:-?}" -v wt="$w_typing" -v wi="$w_idle" \
  -v s0="$s0" -v s1="$s1" -v s2="$s2" -v s3="$s3" 'BEGIN {
  printf "%s summary (load %s):\n", l, load
  printf "  floor (%s) median=%6.2f p99=%6.2f max=%6.2f ms\n", fn, fm, fp, fx
  printf "  tocko typing  median=%6.2f p99=%6.2f max=%6.2f ms | over floor: median %+.2f, p99 %+.2f ms\n", tm, tp, tx, tm - fm, tp - fp
  printf "  floor (listening to X11) median=%6.2f p99=%6.2f ms\n", xm, xp
  printf "  tocko, sharp  median=%6.2f p99=%6.2f max=%6.2f ms | over the listening floor: median %+.2f, p99 %+.2f ms\n", sm, sp, sx, sm - xm, sp - xp
  printf "  after a pause median=%6.2f            max=%6.2f ms | over floor: median %+.2f, max over floor p99 %+.2f ms\n", pm, px, pm - fm, px - fp
  printf "  missed=%s underruns=%s | wakeups typing=%.0f/s idle=%.2f/s\n", miss, u, wt / (s1 - s0), wi / (s3 - s2)
  if (quanta != "") printf "  %s\n", quanta }'
