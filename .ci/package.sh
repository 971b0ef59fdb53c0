#!/usr/bin/env bash
# Packages the tested build as DEB and RPM, validates the desktop entry and
# the AppStream file as installed, installs the .deb on this machine and runs
# the end-to-end and command-line tests against the installed /usr/bin/tocko.
# Expects the build of scripts/test.sh (BUILD_DIR, default build) and the
# services of scripts/services.sh. A few minutes: no second build.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD_DIR:-build}"
OUT="$BUILD/packages"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# The install tree, checked as a desktop sees it.
stage="$(mktemp -d /tmp/tocko-stage-XXXXXX)"
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$BUILD" --prefix /usr >/dev/null
desktop-file-validate "$stage/usr/share/applications/com.pollix.Tocko.desktop"
grep -qx "Exec=/usr/bin/tocko" "$stage/usr/share/applications/com.pollix.Tocko.desktop"
appstreamcli validate --no-net "$stage/usr/share/metainfo/com.pollix.Tocko.metainfo.xml"
for f in bin/tocko share/icons/hicolor/scalable/apps/com.pollix.Tocko.svg \
  share/icons/hicolor/48x48/apps/com.pollix.Tocko.png share/tocko/sounds/pack-soft.wav \
  share/tocko/translations/tocko_de.qm share/tocko/fonts/zilla-slab/OFL.txt; do
  [ -e "$stage/usr/$f" ] || { echo "package.sh: $f is not installed" >&2; exit 1; }
done
# The GNOME Shell focus reporter: one variant for every user where the Shell
# looks, both beside the sounds for Settings' per-user copy; the desktop
# entry's Quick Controls action.
ext=share/gnome-shell/extensions/tocko-focus@pollix.com
for f in $ext/metadata.json $ext/extension.js share/tocko/gnome-shell/tocko-focus@pollix.com/extension.js \
  share/tocko/gnome-shell/45/tocko-focus@pollix.com/extension.js; do
  [ -e "$stage/usr/$f" ] || { echo "package.sh: $f is not installed" >&2; exit 1; }
done
python3 -c 'import json,sys; m=json.load(open(sys.argv[1])); assert m["uuid"]=="tocko-focus@pollix.com", m' \
  "$stage/usr/$ext/metadata.json"
grep -qx "Exec=/usr/bin/tocko --panel" "$stage/usr/share/applications/com.pollix.Tocko.desktop"

# The license texts travel with the program.
for f in share/doc/tocko/LICENSE share/doc/tocko/copyright; do
  [ -s "$stage/usr/$f" ] || { echo "package.sh: $f is not installed" >&2; exit 1; }
done

# Packages. Neither may ask for a sound server.
rm -rf "$OUT"
(cd "$BUILD" && cpack -B "$PWD/packages" >/dev/null)
deb="$(ls "$OUT"/tocko_*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "deb Depends: $depends"
echo "deb Recommends: $(dpkg-deb -f "$deb" Recommends)"
if echo "$depends" | tr ',|' '\n\n' | sed 's/[ (].*//;s/^ *//' | grep -qxE "pulseaudio|pipewire|pipewire-pulse|pipewire-audio"; then
  echo "package.sh: the .deb depends on a sound server" >&2
  exit 1
fi
dpkg-deb -f "$deb" Recommends | grep -q fonts-noto-cjk
dpkg-deb -c "$deb" >"$stage/deb-contents"
grep -q "/usr/share/gnome-shell/extensions/tocko-focus@pollix.com/extension.js" "$stage/deb-contents"
if ls "$OUT"/tocko-*.rpm >/dev/null 2>&1; then
  rpm -qpR "$(ls "$OUT"/tocko-*.rpm)" | sort -u | tr '\n' ' ' | sed 's/^/rpm Requires: /;s/$/\n/'
  if rpm -qpR "$(ls "$OUT"/tocko-*.rpm)" | grep -qE "^(pulseaudio|pipewire)( |$)"; then
    echo "package.sh: the .rpm requires a sound server" >&2
    exit 1
  fi
fi

# The installed program, end to end.
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$PWD/$deb" >/dev/null
/usr/bin/tocko --version
TOCKO_TEST_EXECUTABLE=/usr/bin/tocko "$BUILD/tests/app/app_e2e_tests"
TOCKO_TEST_EXECUTABLE=/usr/bin/tocko dbus-run-session -- "$BUILD/tests/app/app_instance_tests"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y -qq tocko >/dev/null
