#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Vantrel needs on Debian 12. Run as root. Packages already
# present are not fetched again.
#   scripts/setup.sh          what building and running Vantrel needs
#   scripts/setup.sh --tests  that, and what the tests, checks and cross builds add
#   scripts/setup.sh --list   only print what building and running needs, one a line
# A package the program needs to build or run goes in run_packages; one that
# only a test, a check or the Windows build needs goes in packages, on the
# line of its purpose or on a new line under a comment saying what needs it.
set -euo pipefail

run_packages=(
  # build
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev libxext-dev libxtst-dev libxi-dev
  # build: logind's sleep lock over the system bus
  libdbus-1-dev
  # run: a free face with Tahoma's name and metrics; Qt's plugin for Wayland-only sessions
  fonts-wine qt6-wayland
)

packages=(
  # tests: a display of their own, a window manager, X tools, screenshots, style check
  xvfb xauth openbox xdotool wmctrl x11-utils x11-apps imagemagick clang-format
  # the screen-reader test: a session bus, the AT-SPI bus and registry, its Python client
  dbus at-spi2-core python3-pyatspi
  # the sleep-lock test: a stand-in for logind on a private system bus
  python3-dbus python3-gi
  # start-up without a session bus must not autolaunch one (dbus-launch);
  # a second window manager to restart under; a clipboard owner for pastes
  dbus-x11 fluxbox xclip
  # Wayland sessions: compositors (headless weston; sway with libinput in the
  # guest), a Wayland client that prints its input, udev for the guest
  weston sway wev udev
  # the guest with /dev/uinput and evdev: Debian's kernel under qemu, a busybox initramfs
  qemu-system-x86 linux-image-amd64 busybox-static cpio
  # fuzzing: clang 14 and its runtime libraries (libFuzzer, ASan, UBSan)
  clang libclang-rt-14-dev
  # the Debian package (cpack's dpkg-shlibdeps needs dpkg-dev and file) and its checks
  dpkg-dev file binutils desktop-file-utils appstream lintian librsvg2-bin
  # the Windows cross build and its tests under Wine (64-bit only, no i386)
  g++-mingw-w64-x86-64-posix wine wine64
  # the Debian 13 root the program is built, tested and installed in
  debootstrap
)

wanted=("${run_packages[@]}")
case "${1:-}" in
  "") ;;
  --tests) wanted+=("${packages[@]}") ;;
  --list) printf '%s\n' "${run_packages[@]}"; exit 0 ;;
  *) echo "usage: scripts/setup.sh [--tests | --list]" >&2; exit 2 ;;
esac
missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
