#!/usr/bin/env bash
# Installs every Debian package Tocko needs to build, run and test.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
PACKAGES=(
  build-essential cmake ninja-build pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  libpulse-dev libsndfile1-dev libsystemd-dev libevdev-dev
  libx11-dev libxi-dev libxtst-dev
  qt6-base-dev qt6-declarative-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts
  qml6-module-qtquick-window qml6-module-qtqml-workerscript qml6-module-qtquick-templates
  qml6-module-qtqml qml6-module-qtquick-shapes qml6-module-qttest qml6-module-qt5compat-graphicaleffects
  qt6-svg-dev
  libgl1-mesa-dev
  pulseaudio pulseaudio-utils xvfb x11-utils xdotool
  sox
  # Frontmost application on Wayland (wayland-client, wayland-scanner) and
  # Qt's Wayland platform plugin for the panel on Wayland sessions.
  libwayland-dev libwayland-bin qt6-wayland
  # Test only: a wlroots compositor, a native Wayland client and an X11
  # window manager for the frontmost-application tests.
  sway foot openbox dbus-daemon
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
