#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds into build/ (the program lands at build/vantrel).
# Arguments are passed to cmake: scripts/build.sh -DVANTREL_BUILD_TESTS=OFF
# builds the program alone.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_BUILD_TESTS=ON "$@" >/dev/null
cmake --build build --parallel
