#!/usr/bin/env bash
# Sets up the machine, builds Vantrel and runs every test. Tests that need a
# real display start their own Xvfb and window manager.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
scripts/build.sh
scripts/check-format.sh
ctest --test-dir build --output-on-failure "$@"
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
