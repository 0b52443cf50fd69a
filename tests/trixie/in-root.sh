#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by tests/trixie/run.sh inside the Debian 13 root, the checkout at /src.
source /src/tests/lib/common.sh
cd /src
echo "trixie: $(. /etc/os-release && echo "$PRETTY_NAME"), Qt $(dpkg-query -W -f='${Version}' qt6-base-dev)," \
  "$(g++ --version | head -n1)"
cmake -S . -B build-trixie -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_BUILD_TESTS=ON \
  -DVANTREL_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-trixie --parallel
ctest --test-dir build-trixie -L unit --output-on-failure

apt-get install -y -qq ./build-trixie/package/vantrel_*.deb >build-trixie/install.log 2>&1 ||
  fail "apt-get install: $(cat build-trixie/install.log)"
echo "trixie: installed $(dpkg-query -W -f='${Package} ${Version}' vantrel)"
VANTREL=/usr/bin/vantrel TEST_TOOLS=/src/build-trixie/test-tools bash tests/trixie/installed.sh
