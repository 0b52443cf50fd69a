#!/usr/bin/env bash
# Installs everything Vantrel needs to build, run and be tested on Debian 12.
# Run as root. Packages already present are not fetched again.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev libxtst-dev
  # run: a free face with Tahoma's name and metrics
  fonts-wine
  # tests: a display of their own, a window manager, X tools, screenshots, style check
  xvfb xauth openbox xdotool wmctrl x11-utils x11-apps imagemagick clang-format
  # Wayland sessions: Qt's Wayland plugin, compositors (headless weston; sway with
  # libinput in the guest), a Wayland client that prints its input, udev for the guest
  qt6-wayland weston sway wev udev
  # the guest with /dev/uinput and evdev: Debian's kernel under qemu, a busybox initramfs
  qemu-system-x86 linux-image-amd64 busybox-static cpio
  # fuzzing: clang 14 and its runtime libraries (libFuzzer, ASan, UBSan)
  clang libclang-rt-14-dev
  # the Debian package (cpack's dpkg-shlibdeps needs dpkg-dev and file) and its validators
  dpkg-dev file binutils desktop-file-utils appstream
  # the Windows cross build and its tests under Wine (64-bit only, no i386)
  g++-mingw-w64-x86-64-posix wine wine64
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
