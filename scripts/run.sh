#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Vantrel needs to build and run, builds the program (without
# the tests) and starts it in the current desktop session, X11 or Wayland.
set -euo pipefail
cd "$(dirname "$0")/.."
# Said before anything is installed or built, which takes minutes.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set); start Vantrel from one" >&2
  exit 1
fi
missing=()
for tool in c++ cmake ninja pkg-config; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
pkg-config --exists Qt6Widgets 2>/dev/null || missing+=("Qt 6 Widgets")
if ((${#missing[@]})); then
  echo "run.sh: missing ${missing[*]}; scripts/setup.sh installs them" >&2
fi
scripts/setup.sh
scripts/build.sh -DVANTREL_BUILD_TESTS=OFF
exec ./build/vantrel
