#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures Vantrel on a display of its own and prints a Markdown table, also
# written to bench/results.md:
#   - the click schedule of "Very Fast" (one click every 100 ms) over 300
#     clicks, beside `xdotool click --repeat 300 --delay 100`, on an idle
#     machine and with one core kept busy;
#   - F9 latency, idle CPU, peak memory and start-up time.
# Run after scripts/setup.sh --tests (it calls it). Takes about four minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
scripts/setup.sh --tests
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTREL_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-bench --parallel >/dev/null
g++ -std=c++20 -O2 -Wall -Wextra -Werror -o build-bench/xbench bench/xbench.cpp -lX11 -lXtst

export VANTREL=$ROOT/build-bench/vantrel TEST_TOOLS=$ROOT/build-bench/test-tools
source tests/lib/x11.sh
start_display --wm

CLICKS=300
WATCH_GEOMETRY=600x400+650+560

# Reads an xclickwatch log and prints: mean period, drift of click N+1 against
# click 1, the same against click 2, then p50, p99 and max period error
# (milliseconds), from the client's receive times of the first CLICKS+2 presses.
# A run started by F9 has its first click late by up to the 100 ms pause that
# follows the key, so the drift is also given from the second click on.
schedule_stats() {
  awk -v n="$CLICKS" '$1 == "press" { t[c++] = $6 / 1000.0 }
    END {
      if (c < n + 2) { print "too few clicks: " c > "/dev/stderr"; exit 1 }
      for (i = 1; i <= n; i++) print (t[i] - t[i-1]) - 100 > "/dev/stdout"
      printf "SUMMARY %.3f %.3f %.3f\n", (t[n] - t[0]) / n, (t[n] - t[0]) - n * 100,
        (t[n + 1] - t[1]) - n * 100
    }' "$1" >"$WORK/errors"
  local summary mean drift drift2
  summary=$(grep '^SUMMARY' "$WORK/errors")
  mean=$(echo "$summary" | awk '{print $2}')
  drift=$(echo "$summary" | awk '{print $3}')
  drift2=$(echo "$summary" | awk '{print $4}')
  grep -v '^SUMMARY' "$WORK/errors" | awk '{ print ($1 < 0 ? -$1 : $1) }' | sort -g >"$WORK/abs"
  local count p50 p99 max
  count=$(wc -l <"$WORK/abs")
  p50=$(sed -n "$(( (count + 1) / 2 ))p" "$WORK/abs")
  p99=$(sed -n "$(( (count * 99 + 99) / 100 ))p" "$WORK/abs")
  max=$(tail -n1 "$WORK/abs")
  printf '%.2f | %+.1f | %+.1f | %.2f | %.2f | %.2f' "$mean" "$drift" "$drift2" "$p50" "$p99" "$max"
}

start_watch() {
  watch_clicks "$1" --geometry "$WATCH_GEOMETRY" --timeout 120 || fail "xclickwatch did not start"
  xdotool mousemove 950 760
}

vantrel_schedule() {
  local log=$WORK/vantrel-$1.log window
  start_watch "$log"
  start_vantrel
  window=$(wait_for_window Vantrel)
  # "Very Fast" is the last preset: open the list, End, Return.
  local x y
  read -r x y <<<"$(corner "$window")"
  xdotool mousemove $((x + 112 + 64 + 40)) $((y + 112 + 10)) click 1
  sleep 0.4
  xdotool key End Return
  sleep 0.3
  xdotool mousemove 950 760
  press_f9_until "$window" Iconic
  CLICK_LOG=$log wait_until 90 presses_reach $((CLICKS + 2)) || fail "fewer than $((CLICKS + 2)) clicks arrived"
  press_f9_until "$window" Normal
  awk '/VmHWM/ {print $2}' "/proc/$VANTREL_PID/status" >"$WORK/peak-$1"
  kill "$VANTREL_PID" "$WATCH_PID"
  wait "$VANTREL_PID" "$WATCH_PID" 2>/dev/null || true
  schedule_stats "$log" >"$WORK/result-vantrel-$1"
}

xdotool_schedule() {
  local log=$WORK/xdotool-$1.log
  start_watch "$log"
  xdotool click --repeat $((CLICKS + 2)) --delay 100 1
  sleep 0.3
  kill "$WATCH_PID"
  wait "$WATCH_PID" 2>/dev/null || true
  schedule_stats "$log" >"$WORK/result-xdotool-$1"
}

busy_core() { ( while :; do :; done ) & BUSY_PID=$!; PIDS+=("$BUSY_PID"); }

echo "click schedule, idle machine..." >&2
vantrel_schedule idle
xdotool_schedule idle
echo "click schedule, one core busy..." >&2
busy_core
vantrel_schedule busy
xdotool_schedule busy
end_child "$BUSY_PID"
V_IDLE=$(cat "$WORK/result-vantrel-idle") X_IDLE=$(cat "$WORK/result-xdotool-idle")
V_BUSY=$(cat "$WORK/result-vantrel-busy") X_BUSY=$(cat "$WORK/result-xdotool-busy")
PEAK_RSS_KB=$(sort -n "$WORK"/peak-* | tail -n1)

echo "hot-key latency..." >&2
start_vantrel
wait_for_window Vantrel >/dev/null
xdotool mousemove 5 1000
"$ROOT/build-bench/xbench" latency 50 >"$WORK/latency"
LAT_MEDIAN=$(sort -g "$WORK/latency" | sed -n '25p;26p' | awk '{s += $1} END {printf "%.1f", s / NR}')
LAT_MAX=$(sort -g "$WORK/latency" | tail -n1)

echo "idle CPU over 60 s..." >&2
sleep 2
# CPU time of all the program's threads in nanoseconds (finer than the
# clock ticks of /proc/PID/stat, which are 10 ms each).
cpu_ns() { cat /proc/"$VANTREL_PID"/task/*/schedstat | awk '{s += $1} END {printf "%d", s}'; }
T0=$(cpu_ns)
sleep 60
T1=$(cpu_ns)
IDLE_CPU=$(awk -v d=$((T1 - T0)) 'BEGIN {printf "%.3f", 100 * d / 1e9 / 60}')
kill "$VANTREL_PID"; wait "$VANTREL_PID" 2>/dev/null || true

echo "start-up time..." >&2
"$ROOT/build-bench/xbench" startup 15 "$VANTREL" >"$WORK/startup" 2>/dev/null
START_MEDIAN=$(sort -g "$WORK/startup" | sed -n '8p')
START_MAX=$(sort -g "$WORK/startup" | tail -n1)

CPU=$(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n1)
{
  echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores ($CPU), Xvfb + openbox, Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?')."
  echo
  echo "| click schedule, $CLICKS periods of 100 ms | mean period (ms) | drift, click $((CLICKS + 1)) vs click 1 (ms) | drift, click $((CLICKS + 2)) vs click 2 (ms) | p50 error (ms) | p99 error (ms) | max error (ms) |"
  echo "|---|---|---|---|---|---|---|"
  echo "| Vantrel, idle | $V_IDLE |"
  echo "| xdotool --delay 100, idle | $X_IDLE |"
  echo "| Vantrel, one core busy | $V_BUSY |"
  echo "| xdotool --delay 100, one core busy | $X_BUSY |"
  echo
  echo "| measure | result |"
  echo "|---|---|"
  echo "| F9 down to the working indicator shown or hidden (50 presses) | median $LAT_MEDIAN ms, max $LAT_MAX ms |"
  echo "| idle CPU over 60 s | $IDLE_CPU % of one core |"
  echo "| peak RSS during a run | $((PEAK_RSS_KB / 1024)) MiB |"
  echo "| start-up to first paint (15 starts) | median $START_MEDIAN ms, max $START_MAX ms |"
} | tee bench/results.md
