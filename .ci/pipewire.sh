#!/usr/bin/env bash
# Runs a command against PipeWire instead of PulseAudio: starts pipewire,
# WirePlumber and pipewire-pulse in a runtime directory of their own (the
# PulseAudio daemon of scripts/services.sh keeps the usual one), adds the
# null sink "tocko_null" (default output) and the virtual source "tocko_mic"
# (default input) that the tests expect, runs the command with
# XDG_RUNTIME_DIR/PULSE_SERVER pointing there, then stops the three daemons.
# Test-only: nothing here is needed to build or run the application.
#   .ci/pipewire.sh CMD [ARGS...]      e.g. .ci/pipewire.sh ctest --test-dir build -L pulse
set -euo pipefail
for tool in pipewire wireplumber pipewire-pulse pw-cli pactl; do
  command -v "$tool" >/dev/null || { echo "pipewire.sh: $tool is not installed" >&2; exit 2; }
done
PW_DIR="${PW_RUNTIME_DIR:-$(mktemp -d /tmp/tocko-pw-XXXXXX)}"
mkdir -p "$PW_DIR" && chmod 700 "$PW_DIR"
export XDG_RUNTIME_DIR="$PW_DIR" PULSE_SERVER="unix:$PW_DIR/pulse/native"
unset PULSE_RUNTIME_PATH
export PIPEWIRE_RUNTIME_DIR="$PW_DIR"
# WirePlumber keeps the chosen defaults in its state folder: one of its own,
# so no earlier run (or the desktop's session) decides them.
export XDG_STATE_HOME="$PW_DIR/state"
mkdir -p "$XDG_STATE_HOME"
pids=()
stop_daemons() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
}
trap stop_daemons EXIT
# A session bus of their own (WirePlumber does not start without one).
bus="$(dbus-daemon --session --fork --print-address=1 --print-pid=1)"
export DBUS_SESSION_BUS_ADDRESS="$(echo "$bus" | sed -n 1p)"
pids+=("$(echo "$bus" | sed -n 2p)")
PIPEWIRE_DEBUG=3 pipewire >"$PW_DIR/pipewire.log" 2>&1 & pids+=($!)
for _ in $(seq 1 50); do [ -S "$PW_DIR/pipewire-0" ] && break; sleep 0.1; done
WIREPLUMBER_DEBUG=4 wireplumber >"$PW_DIR/wireplumber.log" 2>&1 & pids+=($!)
PIPEWIRE_DEBUG=3 pipewire-pulse >"$PW_DIR/pipewire-pulse.log" 2>&1 & pids+=($!)
for _ in $(seq 1 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info | grep -q "PipeWire" || { echo "pipewire.sh: pipewire-pulse did not answer" >&2; cat "$PW_DIR"/*.log >&2; exit 2; }
sleep 1  # let WirePlumber settle before nodes are added
pactl load-module module-null-sink sink_name=tocko_null sink_properties=device.description=Tocko-Null-Output >/dev/null
pw-cli create-node adapter '{ factory.name=support.null-audio-sink node.name=tocko_mic node.description=tocko_mic
  media.class=Audio/Source/Virtual audio.position=[ MONO ] object.linger=true }' >/dev/null
for _ in $(seq 1 50); do
  pactl list short sinks | grep -q tocko_null && pactl list short sources | grep -q "tocko_mic" && break
  sleep 0.1
done
pactl set-default-sink tocko_null
pactl set-default-source tocko_mic
# What the servers say, printed when the tests fail or the defaults are not
# taken: the session manager decides the defaults, the tests only ask.
diagnose() {
  echo "pipewire.sh: default sink=$(pactl get-default-sink 2>&1) source=$(pactl get-default-source 2>&1)" >&2
  pw-metadata -n default 0 2>&1 | sed 's/^/pipewire.sh: metadata: /' >&2 || true
  local log
  for log in "$PW_DIR"/*.log; do
    echo "pipewire.sh: --- last lines of $(basename "$log")" >&2
    tail -n 40 "$log" >&2
  done
}
for _ in $(seq 1 50); do
  [ "$(pactl get-default-sink)" = tocko_null ] && [ "$(pactl get-default-source)" = tocko_mic ] && break
  sleep 0.1
done
if [ "$(pactl get-default-sink)" != tocko_null ] || [ "$(pactl get-default-source)" != tocko_mic ]; then
  echo "pipewire.sh: the session manager did not take tocko_null/tocko_mic as defaults" >&2
  diagnose
fi
rc=0
"$@" || rc=$?
[ "$rc" = 0 ] || diagnose
exit "$rc"
