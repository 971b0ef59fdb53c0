#!/usr/bin/env bash
# Builds the portable core (support, audio, input, context, app) and its
# tests in a configuration where pkg-config finds none of libpulse, X11,
# libevdev, libsystemd or wayland-client, then runs those tests. It proves that the core
# links no system library: only platform/linux may.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD_DIR:-build-portable}"

# A pkg-config search path holding every installed .pc file except the
# system libraries the Linux platform wraps.
PCDIR="$(mktemp -d)"
trap 'rm -rf "$PCDIR"' EXIT
for dir in $(pkg-config --variable pc_path pkg-config | tr ':' ' '); do
  [ -d "$dir" ] || continue
  for pc in "$dir"/*.pc; do
    [ -e "$pc" ] || continue
    case "$(basename "$pc" .pc)" in
      libpulse* | libsystemd | libevdev | x11 | x11-* | xi | xtst | wayland-client) continue ;;
    esac
    [ -e "$PCDIR/$(basename "$pc")" ] || ln -s "$pc" "$PCDIR/"
  done
done
for lib in libpulse libsystemd libevdev x11 xi xtst wayland-client; do
  if PKG_CONFIG_LIBDIR="$PCDIR" pkg-config --exists "$lib"; then
    echo "portable: pkg-config still finds $lib" >&2
    exit 1
  fi
done

PKG_CONFIG_LIBDIR="$PCDIR" cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTOCKO_PLATFORM=none -DTOCKO_BUILD_BENCH=OFF -DTOCKO_WERROR=ON ${TOCKO_CMAKE_ARGS:-}
# The core's libraries through their test suites (the views are not core).
cmake --build "$BUILD" --target support_tests audio_tests input_tests tools_tests soundreport context_tests \
  userpacks_tests app_tests

# No binary of this build may need one of those libraries.
if find "$BUILD" -type f -perm -u+x \( -name '*_tests' -o -name 'gensounds' \) -print0 |
  xargs -0 -r readelf -d 2>/dev/null | grep -E 'NEEDED.*(libpulse|libsystemd|libevdev|libX11|libXi|libXtst|libwayland-client)'; then
  echo "portable: a core binary links a system library" >&2
  exit 1
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD" --output-on-failure --timeout 300 -j2 -E NOT_BUILT
