#!/usr/bin/env bash
# Installs the packages Tocko needs, from the distribution's own repositories.
#
#   scripts/setup.sh          what building and running need (run.sh)
#   scripts/setup.sh --test   that, plus what the tests, benchmarks, CI and
#                             packaging need (test.sh, .ci/run)
#
# The run list never holds a sound server, a display server or a test tool:
# Tocko talks to whatever sound server the desktop already runs (PipeWire or
# PulseAudio) through the client library. The test list adds a private
# PulseAudio daemon and Xvfb, which only the tests start (scripts/services.sh).
# Nothing asks for sudo when every package is present already.
set -euo pipefail

WITH_TESTS=0
WITH_PIPEWIRE=0
for arg in "$@"; do
  case "$arg" in
    --test) WITH_TESTS=1 ;;
    # Test-only: PipeWire, WirePlumber and pipewire-pulse, to run the audio
    # tests and the latency benchmark against PipeWire too (.ci/pipewire.sh).
    --with-pipewire) WITH_PIPEWIRE=1 ;;
  esac
done

# TOCKO_OS_RELEASE: another os-release file, to try the other distributions' branches.
. "${TOCKO_OS_RELEASE:-/etc/os-release}" 2>/dev/null || true
family=""
for id in ${ID:-} ${ID_LIKE:-}; do
  case "$id" in
    debian | ubuntu) family=apt; break ;;
    fedora | rhel | centos) family=dnf; break ;;
    arch) family=pacman; break ;;
  esac
done

case "$family" in
  apt)
    RUN=(
      build-essential cmake ninja-build pkg-config
      libpulse-dev libsndfile1-dev libsystemd-dev libevdev-dev libx11-dev libxi-dev libxtst-dev libgl1-mesa-dev
      libarchive-dev libsoxr-dev
      qt6-base-dev qt6-declarative-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev
      qt6-qpa-plugins qml6-module-qtquick qml6-module-qtquick-layouts
      qml6-module-qtquick-window qml6-module-qtqml-workerscript qml6-module-qtquick-templates
      qml6-module-qtqml qml6-module-qtquick-shapes qml6-module-qt5compat-graphicaleffects
      # Japanese, Korean and Chinese texts and language names
      fonts-noto-cjk
      # the accessibility bus, through which password fields are seen
      at-spi2-core
      # the application in front on Wayland (wayland-client, wayland-scanner), Qt on Wayland
      libwayland-dev libwayland-bin qt6-wayland
    )
    TEST=(
      libgtest-dev libgmock-dev libbenchmark-dev clang-format qml6-module-qttest
      pulseaudio pulseaudio-utils xvfb x11-utils xdotool sox dbus
      desktop-file-utils appstream rpm dpkg-dev
      clang libclang-rt-14-dev
      dbus-daemon python3-gi gir1.2-gtk-3.0
      sway foot openbox
      # runs the KWin script and the GNOME Shell extensions against stand-ins
      nodejs
      # a browser's password field on the accessibility bus
      chromium
      # an XEmbed tray host for the memory benchmark
      trayer
    )
    PIPEWIRE=(pipewire pipewire-bin pipewire-pulse wireplumber dbus)
    ;;
  dnf)
    RUN=(
      gcc-c++ make cmake ninja-build pkgconf-pkg-config
      pulseaudio-libs-devel libsndfile-devel systemd-devel libevdev-devel libX11-devel libXi-devel libXtst-devel
      libarchive-devel soxr-devel
      mesa-libGL-devel
      qt6-qtbase-devel qt6-qtdeclarative-devel qt6-qttools-devel qt6-linguist qt6-qtsvg-devel qt6-qt5compat-devel
      google-noto-sans-cjk-fonts at-spi2-core wayland-devel qt6-qtwayland
    )
    TEST=(
      gtest-devel gmock-devel google-benchmark-devel clang-tools-extra
      pulseaudio pulseaudio-utils xorg-x11-server-Xvfb xdpyinfo xdotool sox dbus-daemon
      desktop-file-utils appstream rpm-build dpkg
      clang compiler-rt
      python3-gobject gtk3 sway foot openbox
      # runs the KWin script and the GNOME Shell extensions against stand-ins
      nodejs
      # a browser's password field on the accessibility bus
      chromium
    )
    PIPEWIRE=(pipewire pipewire-pulseaudio wireplumber dbus-daemon)
    ;;
  pacman)
    RUN=(
      base-devel cmake ninja pkgconf
      libpulse libsndfile systemd-libs libevdev libx11 libxi libxtst mesa libarchive libsoxr
      qt6-base qt6-declarative qt6-tools qt6-svg qt6-5compat
      noto-fonts-cjk at-spi2-core wayland qt6-wayland
    )
    TEST=(
      gtest benchmark clang
      pulseaudio xorg-server-xvfb xorg-xdpyinfo xdotool sox dbus
      desktop-file-utils appstream rpm-tools dpkg
      compiler-rt python-gobject gtk3 sway foot openbox
      # runs the KWin script and the GNOME Shell extensions against stand-ins
      nodejs
      # a browser's password field on the accessibility bus
      chromium
    )
    PIPEWIRE=(pipewire pipewire-pulse wireplumber dbus)
    ;;
esac

if [ -z "$family" ]; then
  cat >&2 <<'TEXT'
setup.sh: this distribution is not one it knows (Debian, Ubuntu, Fedora, Arch).
Install these with your package manager, then run the command again:
  to build and run: a C++20 compiler, CMake 3.22+, Ninja, pkg-config, and the
    development files of Qt 6.4+ (Base, Declarative, Tools/Linguist, Svg), libpulse
    (client library only), libsndfile, libsystemd, libevdev, libX11, libXi, libXtst,
    OpenGL (Mesa); at run time the Qt Quick QML modules (QtQuick, Controls, Window)
  for the tests: GoogleTest/GoogleMock, Google Benchmark, clang-format, Xvfb,
    xdpyinfo, xdotool, sox, a PulseAudio daemon and its tools, dbus-daemon,
    desktop-file-utils, appstream (appstreamcli)
TEXT
  exit 1
fi

PACKAGES=("${RUN[@]}")
[ "$WITH_TESTS" = 1 ] && PACKAGES+=("${TEST[@]}")
[ "$WITH_PIPEWIRE" = 1 ] && PACKAGES+=("${PIPEWIRE[@]}")

installed() {
  case "$family" in
    apt) dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed" ;;
    dnf) rpm -q --whatprovides "$1" >/dev/null 2>&1 ;;
    pacman) pacman -Qq "$1" >/dev/null 2>&1 || pacman -Qqg "$1" >/dev/null 2>&1 ;;
  esac
}

# On a desktop whose sound server is PipeWire, the PulseAudio daemon would
# replace PipeWire's pulse server: the tests use PipeWire's instead.
if installed pipewire-pulse || installed pipewire-pulseaudio; then
  kept=()
  for p in "${PACKAGES[@]}"; do [ "$p" = pulseaudio ] || kept+=("$p"); done
  PACKAGES=("${kept[@]}")
fi

missing=()
for p in "${PACKAGES[@]}"; do
  installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "setup.sh: installing ${missing[*]}" >&2
case "$family" in
  apt)
    $SUDO apt-get update -qq
    # --no-install-recommends: a recommended sound or display server must
    # never come along.
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
    ;;
  dnf) $SUDO dnf install -y --setopt=install_weak_deps=False "${missing[@]}" ;;
  pacman) $SUDO pacman -S --needed --noconfirm "${missing[@]}" ;;
esac
