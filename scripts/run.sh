#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Vantrel needs to build and run, builds the program (without
# the tests) and starts it on the current display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DVANTREL_BUILD_TESTS=OFF
if [ -z "${DISPLAY:-}" ]; then
  echo "run.sh: no DISPLAY is set; start Vantrel from a desktop session" >&2
  exit 1
fi
exec ./build/vantrel
