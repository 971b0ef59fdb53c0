#!/usr/bin/env bash
# Renders one spectrogram PNG per sample and prints a few numbers per pack (length, peak, RMS,
# sox's rough frequency estimate) to compare their character without listening.
#   tools/spectrograms.sh [sounds-dir] [out-dir]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
src="${1:-$here/../resources/sounds}"
out="${2:-$here/../build/spectrograms}"
command -v sox >/dev/null || { echo "spectrograms.sh: sox is not installed (scripts/setup.sh)" >&2; exit 1; }
mkdir -p "$out"
printf '%-18s %8s %8s %8s %10s\n' pack length_ms peak_db rms_db rough_hz
for wav in "$src"/pack-*.wav; do
  name="$(basename "$wav" .wav)"
  sox "$wav" -n rate 48k spectrogram -x 800 -y 257 -z 80 -t "$name" -o "$out/$name.png"
  stats="$(sox "$wav" -n stat 2>&1)"
  field() { awk -F: -v k="$1" '$1 ~ k {gsub(/ /, "", $2); print $2}' <<<"$stats"; }
  length_ms="$(awk "BEGIN{printf \"%.1f\", $(field 'Length') * 1000}")"
  peak_db="$(awk "BEGIN{m=$(field 'Maximum amplitude'); n=-($(field 'Minimum amplitude')); if(n>m)m=n; printf \"%.1f\", 20*log(m)/log(10)}")"
  rms_db="$(awk "BEGIN{printf \"%.1f\", 20*log($(field 'RMS     amplitude'))/log(10)}")"
  printf '%-18s %8s %8s %8s %10s\n' "$name" "$length_ms" "$peak_db" "$rms_db" "$(field 'Rough   frequency')"
done
echo "spectrograms in $out"
