#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the tests that drive the real program ROUNDS times in a row (20
# unless given) while every core is kept busy, and counts the failures of
# each: the integration and guest tests of build/, and the Wine tests of
# build-windows/ and build-windows-app/ where those builds exist. The three
# run side by side, so Wine and the guest share the machine with everything
# else. Extra arguments go to ctest, e.g. scripts/under-load.sh 5 -R
# test_wm_restart. JOBS=N runs N tests of each build at once (default 1),
# which loads the machine harder still and makes a round take less time:
# most tests spend theirs waiting for the program.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
rounds=${1:-20}
shift || true
busy=()
for _ in $(seq "$(nproc)"); do
  (while :; do :; done) &
  busy+=($!)
done
trap 'kill "${busy[@]}" 2>/dev/null' EXIT
# One build's tests for one round; false, with a line naming what failed.
run() {
  local dir=$1 labels=$2 log=$1/under-load-$round.log
  ctest --test-dir "$dir" ${labels:+-L "$labels"} -j "${JOBS:-1}" --output-on-failure "${args[@]}" >"$log" 2>&1 && return
  echo "round $round, $dir: $(grep -E '\((Failed|Timeout|SEGFAULT)' "$log" | tr -s ' ' | tr '\n' ';')"
  return 1
}
args=("$@")
failed=0
for round in $(seq "$rounds"); do
  pids=()
  for build in "build integration|vm" build-windows build-windows-app; do
    read -r dir labels <<<"$build"
    [ -f "$dir/CTestTestfile.cmake" ] || continue
    run "$dir" "${labels:-}" &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do
    wait "$pid" || failed=$((failed + 1))
  done
  echo "round $round of $rounds done, $failed failed runs so far"
done
[ "$failed" = 0 ]
