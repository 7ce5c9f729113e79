#!/usr/bin/env bash
# Installs every Debian package Joyvane needs to build, run and test.
# Idempotent: packages already installed are skipped, so a second run is quick.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build ccache pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
  libsdl2-dev libx11-dev libxtst-dev libxrandr-dev libxi-dev
  libatspi2.0-dev libudev-dev libdbus-1-dev
  # Wayland sessions: uinput devices, XKB keymaps, Qt's Wayland platform, the clipboard tools
  libevdev-dev libxkbcommon-dev libwayland-dev xkb-data qt6-wayland wl-clipboard
  # runtime: icon theme and fonts with Hebrew glyphs
  adwaita-icon-theme fonts-dejavu-core xdg-utils
  # test services: X server, window manager, tray host, buses
  xvfb xauth x11-xserver-utils x11-utils xdotool dbus dbus-x11 at-spi2-core
  openbox trayer imagemagick
  # the Debian package and its checks
  dpkg-dev fakeroot file desktop-file-utils appstream lintian man-db
  # Wayland compositors for the Wayland desktop tests, and sway's screenshot tool
  weston sway grim
  # fuzzing and sanitizers with clang
  clang libclang-rt-14-dev
  # the mutation check and its mutant list test
  python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all ${#packages[@]} packages already installed"
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
