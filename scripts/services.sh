#!/usr/bin/env bash
# Starts the services the tests use, unless they already run: an X server
# (Xvfb on $DISPLAY, default :99) and a PulseAudio daemon with a null sink
# "tocko_null" as the default output and a null source for microphone tests.
# Source it so the exported variables reach the caller:  . scripts/services.sh
export DISPLAY="${DISPLAY:-:99}"
if ! xdpyinfo >/dev/null 2>&1; then
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp -noreset >/tmp/tocko-xvfb.log 2>&1 &
  for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/tocko-runtime-$(id -u)"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
if ! pactl info >/dev/null 2>&1; then
  pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit=yes --log-target=file:/tmp/tocko-pulse.log \
    -n --load="module-native-protocol-unix" --load="module-always-sink" >/dev/null 2>&1 || true
  for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
fi
if pactl info >/dev/null 2>&1; then
  pactl list short sinks | grep -q tocko_null ||
    pactl load-module module-null-sink sink_name=tocko_null sink_properties=device.description=Tocko-Null-Output >/dev/null
  pactl list short sources | grep -q tocko_mic ||
    pactl load-module module-null-source source_name=tocko_mic >/dev/null 2>&1 || true
  pactl set-default-sink tocko_null
  pactl set-default-source tocko_mic >/dev/null 2>&1 || true
fi
