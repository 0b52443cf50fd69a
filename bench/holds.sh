#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# F9 held for set times on the real program, on a display of its own (Xvfb +
# openbox): for each hold, PRESSES presses made by a separate X client
# through XTest, at random points between two polls, and how many of them
# toggled the run no, one, two or three and more times. Prints a Markdown
# table. Takes a few minutes.
#   bench/holds.sh [path/to/vantrel [PRESSES]]
# The program defaults to build-bench/vantrel (bench/run.sh builds it); the
# X client comes from build-bench/test-tools.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
export VANTREL=${1:-$ROOT/build-bench/vantrel} TEST_TOOLS=$ROOT/build-bench/test-tools
PRESSES=${2:-10}
HOLDS=(20 30 50 80 120 150 200 300 600 2000)
cmake --build build-bench --target xf9hold >/dev/null
source tests/lib/x11.sh
start_display --wm
start_vantrel
wait_for_window Vantrel >/dev/null

args=()
for hold in "${HOLDS[@]}"; do
  for _ in $(seq "$PRESSES"); do args+=("$hold"); done
done
# A press that toggles nothing is given up after 1.5 s.
"$TEST_TOOLS/xf9hold" --wait 1.5 "${args[@]}" >"$WORK/holds"
echo "| hold (ms) | no toggle | one toggle | two | three or more |"
echo "|---|---|---|---|---|"
awk '{ n[$1]++; c[$1, ($2 > 3 ? 3 : $2)]++; if (!($1 in seen)) { seen[$1]; order[++k] = $1 } }
  END { for (i = 1; i <= k; i++) { h = order[i]
    printf "| %d | %d | %d | %d | %d |\n", h, c[h, 0], c[h, 1], c[h, 2], c[h, 3] } }' "$WORK/holds"
