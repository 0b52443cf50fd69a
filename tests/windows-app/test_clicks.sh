#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# F9 pressed in another program starts a run: the main window minimizes and
# the working window shows at 0,0. Clicks of the chosen button arrive at the
# pointer, in another application's window, at the chosen interval (0.3 s),
# until F9 again stops the run and restores the window. Only the run holds a
# multimedia timer, each of which keeps the system's timer resolution at 1 ms:
# the idle program holds none, and none again once the run is over.
source "$(dirname "$0")/lib.sh"

start_listener
WINEDEBUG=-all,+mmtime start_program
mm_timers() { echo $(($(grep -c ':timeSetEvent (' "$WORK/vantrel.log") - $(grep -c ':timeKillEvent (' "$WORK/vantrel.log"))); }
holds_timers() { [ "$(mm_timers)" = "$1" ]; }
wait_until 20 holds_timers 0 || fail "idle, it holds $(mm_timers) multimedia timers"
# Seconds 0, tenths 3; the right button: Shift+Tab from the tenths to the
# button list, one step down it. The turn of the wheel over the list before
# that, while the list has no focus, must change nothing (else: Middle).
probe click 368 121 text 0 click 432 121 text 3 wheel 216 306 -1 backtab down
probe pointer 1100 500
wine_f9_until "$RUNNING"
wait_until 10 holds_timers 1 || fail "during the run it holds $(mm_timers) multimedia timers"
wait_until 30 presses_reach 8 || true # judged below
wine_f9_until "$STOPPED"
wait_until 10 holds_timers 0 || fail "after the run it holds $(mm_timers) multimedia timers"
at_stop=$(presses)
sleep 1.5
[ "$(presses)" = "$at_stop" ] || fail "clicks came after the run stopped: $(cat "$WORK/clicks")"

grep -v '^ready' "$WORK/clicks" >"$WORK/run" || fail "no click reached the listener; the state is: $(probe state)"
awk -v gaps="$WORK/gaps" '
  NR % 2 == 1 && $3 != "down" { print "line " NR " is not a press: " $0; bad = 1 }
  NR % 2 == 0 && $3 != "up"   { print "line " NR " is not a release: " $0; bad = 1 }
  $2 != "R"                   { print "not the right button: " $0; bad = 1 }
  $4 " " $5 != "1100 500"     { print "not at the pointer: " $0; bad = 1 }
  $3 == "down" { if (last != "") print $1 - last >gaps; last = $1 }
  END { exit bad }' "$WORK/run" || fail "not right clicks at the pointer: $(cat "$WORK/run")"
mapfile -t gaps < <(sort -n "$WORK/gaps" | cut -d. -f1)
count=$((${#gaps[@]} + 1))
median=${gaps[${#gaps[@]} / 2]}
((count >= 8 && median >= 240 && median <= 360 && gaps[0] >= 150)) ||
  fail "$count clicks, gaps ${gaps[*]} ms: not 0.3 s apart"
echo "ok: F9 started and stopped a run of $count clicks, gaps ${gaps[0]}..${gaps[-1]} ms, median $median ms"
