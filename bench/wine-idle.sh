#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Idle CPU of vantrel.exe under Wine over 60 s, beside Wine's Notepad in the
# same prefix, each on a display of its own. Uses the Windows build and the
# prefix its tests made: run after `ctest --test-dir build-windows-app` (or
# scripts/test.sh); VANTREL_EXE may name another build. Prints one line per
# program.
set -euo pipefail
cd "$(dirname "$0")/.."
B=$PWD/build-windows-app
export VANTREL_EXE=${VANTREL_EXE:-$B/vantrel.exe} WINE_TOOLS=$B/tests/windows-app/tools
export WINEPREFIX=$B/tests/windows-app/wine-prefix
[ -d "$WINEPREFIX" ] || { echo "no Wine prefix: run the Windows tests first" >&2; exit 1; }
source tests/windows-app/lib.sh

# CPU time in nanoseconds of every thread of the processes whose command line
# names $1.
cpu_ns() {
  local pid total=0
  for pid in $(pgrep -f "$1"); do
    total=$((total + $(cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%d", s}')))
  done
  echo "$total"
}
idle_percent() {
  local t0
  sleep 5
  t0=$(cpu_ns "$1")
  sleep 60
  awk -v d=$(($(cpu_ns "$1") - t0)) 'BEGIN {printf "%.3f", 100 * d / 1e9 / 60}'
}

no_program() { ! pgrep -f 'vantrel\.exe' >/dev/null; }

start_program
echo "vantrel.exe, idle: $(idle_percent 'vantrel\.exe') % of one core"
probe close
wait_until 30 no_program || fail "vantrel.exe did not end"
wine notepad.exe >/dev/null 2>&1 &
PIDS+=($!)
wait_until 30 pgrep -f 'notepad\.exe' >/dev/null || fail "Notepad did not start"
echo "notepad.exe, idle: $(idle_percent 'notepad\.exe') % of one core"
