#!/usr/bin/env bash
# The tests that talk to the audio server, once more against PipeWire
# (pipewire + WirePlumber + pipewire-pulse from the distribution, started by
# .ci/pipewire.sh in a runtime directory of their own): the click output
# and the microphone monitor. Takes about a minute on the built tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --with-pipewire
BUILD="${BUILD_DIR:-build}"
.ci/pipewire.sh ctest --test-dir "$BUILD" --output-on-failure --timeout 120 \
  -R '^(Pulse\.|PulseMic\.(RecordingFromTheDefaultSource|RecordingASinkMonitor))'
