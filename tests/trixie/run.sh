#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Vantrel on Debian 13, in a throwaway copy of the root scripts/trixie-root.sh
# makes (made first when missing): the program builds there against Qt 6.8
# with warnings fatal, into build-trixie/, and its unit tests pass; then the
# Debian 12 package, made by cpack from build/, installs there with apt-get
# and its window comes up and clicks (tests/trixie/installed.sh); then F9
# through the GlobalShortcuts portal of a headless KDE Plasma session
# (tests/trixie/kde.sh).
#   tests/trixie/run.sh    after scripts/build.sh; run as root
source "$(dirname "$0")/../lib/common.sh"
cd "$(dirname "$0")/../.."
[ -f build/CPackConfig.cmake ] || fail "no build/CPackConfig.cmake: run scripts/build.sh first"
scripts/trixie-root.sh >/dev/null
# The package goes where the root sees it: the checkout is its /src.
package=build-trixie/package
rm -rf "$package"
mkdir -p build-trixie
cpack -G DEB -B "$package" --config build/CPackConfig.cmake >"$package.log" 2>&1 ||
  fail "cpack: $(cat "$package.log")"
scripts/trixie-root.sh --run bash /src/tests/trixie/in-root.sh
scripts/trixie-root.sh --run bash /src/tests/trixie/kde.sh
