#!/usr/bin/env bash
# Sets up the machine, builds Vantrel and runs every test. Tests that need a
# real display start their own Xvfb and window manager.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
scripts/check-format.sh
ctest --test-dir build --output-on-failure "$@"
