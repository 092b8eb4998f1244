#!/usr/bin/env bash
# Installs every Debian package that building, running and testing need.
# Idempotent: when everything is already there it only checks and returns.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
  libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xclip xdotool
  libxcb1-dev x11-utils
  fonts-liberation2 fontconfig
  clang-format
  qt6-tools-dev libqt6opengl6-dev
  librsvg2-bin desktop-file-utils appstream
  dpkg-dev lintian file
  dbus-bin dbus-daemon at-spi2-core python3-pyatspi
  qt6-wayland weston sway wtype wl-clipboard grim
)

missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
