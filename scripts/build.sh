#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds into build/ with the "default" preset (the program
# lands at build/vantrel), so that it shares build/ with
# `cmake --preset default`. Arguments are passed to cmake:
# scripts/build.sh -DVANTREL_BUILD_TESTS=OFF builds the program alone.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default -DVANTREL_BUILD_TESTS=ON "$@" >/dev/null
cmake --build --preset default --parallel
