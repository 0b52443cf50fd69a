#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the tests that drive the real program ROUNDS times in a row (20
# unless given) while every core is kept busy, and counts the failures of
# each: the integration and guest tests of build/, then the Wine tests of
# build-windows-app/ when that build exists. Extra arguments go to ctest,
# e.g. scripts/under-load.sh 5 -R test_wm_restart. JOBS=N runs N tests at
# once (default 1), which loads the machine harder still and makes a round
# take less time: most tests spend theirs waiting for the program.
set -uo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-20}
shift || true
busy=()
for _ in $(seq "$(nproc)"); do
  (while :; do :; done) &
  busy+=($!)
done
trap 'kill "${busy[@]}" 2>/dev/null' EXIT
failed=0
for round in $(seq "$rounds"); do
  for run in "build -L integration|vm" "build-windows-app"; do
    read -r dir labels <<<"$run"
    [ -d "$dir" ] || continue
    if ! ctest --test-dir "$dir" ${labels:+-L "${labels#-L }"} -j "${JOBS:-1}" --output-on-failure "$@" \
      >"$dir/under-load-$round.log" 2>&1; then
      failed=$((failed + 1))
      echo "round $round, $dir: $(grep -E '\((Failed|Timeout|SEGFAULT)' "$dir/under-load-$round.log" | tr -s ' ' | tr '\n' ';')"
    fi
  done
  echo "round $round of $rounds done, $failed failed runs so far"
done
[ "$failed" = 0 ]
