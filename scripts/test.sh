#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up the machine, builds Vantrel and runs every test. Tests that need a
# real display start their own Xvfb and window manager.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
# The static Qt for Windows (about 20 minutes the first time, nothing once it
# is in its cache) builds meanwhile, at the lowest priority, in a process
# group of its own so that an early failure here stops it too.
mkdir -p build-windows-app
setsid nice -n 19 scripts/qt-windows.sh >build-windows-app/qt-windows.log 2>&1 &
qt_windows=$!
# So does the Debian 13 root (a few minutes of downloads the first time).
mkdir -p build-trixie
setsid nice -n 10 scripts/trixie-root.sh >build-trixie/trixie-root.log 2>&1 &
trixie_root=$!
trap 'kill -- -"$qt_windows" -"$trixie_root" 2>/dev/null || true' EXIT
# When the script comes to wait for a background job, the job gets a normal
# share again: on a machine kept busy by others, a niced build hardly runs.
finish() {
  renice -n 0 -g "$1" >/dev/null 2>&1 || true
  wait "$1"
}
scripts/build.sh
scripts/check-format.sh
ctest --test-dir build --output-on-failure "$@"
# On Debian 13: the program builds and its unit tests pass against Qt 6.8,
# and the package just built installs there and clicks.
finish "$trixie_root" || { cat build-trixie/trixie-root.log; exit 1; }
tests/trixie/run.sh
# The suite again under ASan + UBSan + LeakSanitizer (the slow tests ran above),
# then every fuzz target for a bounded time.
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -LE slow
scripts/fuzz.sh -max_total_time=20
# The Win32 backend, cross-built with mingw-w64 and run under Wine.
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
# The whole program for Windows against that Qt: vantrel.exe, its tests under
# Wine, and the release zip (build-windows-app/vantrel-*-win64.zip).
finish "$qt_windows" || { cat build-windows-app/qt-windows.log; exit 1; }
cmake --preset windows-app >/dev/null
cmake --build --preset windows-app
ctest --preset windows-app
cpack --preset windows-app
