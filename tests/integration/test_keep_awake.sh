#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A countdown keeps the machine awake through logind, here a stand-in on a
# private system bus: Start asks Inhibit("sleep", "Vantrel", <the sentence>,
# "block"), and the program holds the descriptor it is given until Stop, and
# until it closes. With a system bus that does not answer, or none at all,
# the countdown runs all the same. PATH holds only recording stand-ins for
# the system tools, which no step here may reach.
source "$(dirname "$0")/../lib/x11.sh"

FAKE="$WORK/fakebin"
make_recorders "$FAKE" "$WORK/calls" systemctl loginctl shutdown
LOG="$WORK/logind.log"
start_bus "$WORK/system-bus"
: >"$LOG"
/usr/bin/python3 "$(dirname "$0")/logind_standin.py" "$BUS" "$LOG" 2>"$WORK/standin.log" &
PIDS+=($!)
wait_until 20 grep -qx ready "$LOG" || fail "the logind stand-in did not start: $(cat "$WORK/standin.log")"

start_display --wm
# Starts the program on the shutdown page; W is its window.
open_shutdown_page() {
  start_vantrel PATH="$FAKE" "$@"
  W=$(wait_for_window Vantrel)
  sleep 0.5
  go_to_page "$W" shutdown 40 304
}
start_stop() { click_at "$W" 410 372; }
# The Inhibit call N as logged: "pipe what|who|why|mode".
call() { awk -v n="$1" '$1 == "inhibit" && $2 == n {$1 = $2 = ""; print substr($0, 3)}' "$LOG"; }
called() { [ -n "$(call "$1")" ]; }
holds_pipe() { ls -l "/proc/$VANTREL_PID/fd" 2>/dev/null | grep -q "pipe:\[$1\]"; }
released() { grep -qx "released $1" "$LOG"; }

open_shutdown_page DBUS_SYSTEM_BUS_ADDRESS="$BUS"
! called 1 || fail "Inhibit was called before a countdown: $(call 1)"
start_stop
wait_until 10 called 1 || fail "Start did not call Inhibit"
pipe=$(call 1 | cut -d' ' -f1)
[ "$(call 1 | cut -d' ' -f2-)" = \
  "sleep|Vantrel|The computer will shutdown after 1 hour(s) and 00 minute(s)|block" ] ||
  fail "Inhibit was called as $(call 1)"
wait_until 10 holds_pipe "$pipe" || fail "the program does not hold the descriptor logind gave it"
wait_until 10 shows_sentence "$W" || fail "no countdown sentence after Start"
holds_pipe "$pipe" && ! released 1 || fail "the descriptor was closed while the countdown runs"
start_stop
wait_until 10 released 1 || fail "the descriptor is still open after Stop"

start_stop
wait_until 10 called 2 || fail "a second Start did not call Inhibit"
wait_until 10 holds_pipe "$(call 2 | cut -d' ' -f1)" || fail "the second descriptor is not held"
wmctrl -i -c "$W"
wait_until 10 released 2 || fail "the descriptor is still open after the program closed"
wait_until 10 ended "$VANTREL_PID" || fail "the program did not close"

# A bus that takes the connection and never answers holds Start up briefly.
MUTE="$WORK/mute-bus"
/usr/bin/python3 -c 'import socket, sys, time
s = socket.socket(socket.AF_UNIX)
s.bind(sys.argv[1])
s.listen()
time.sleep(600)' "$MUTE" &
PIDS+=($!)
wait_until 20 test -S "$MUTE" || fail "the silent bus did not start"
open_shutdown_page DBUS_SYSTEM_BUS_ADDRESS="unix:path=$MUTE"
before=$(date +%s%N)
start_stop
wait_until 15 shows_sentence "$W" || fail "a system bus that does not answer kept the countdown from starting"
echo "a bus that does not answer: the sentence showed $((($(date +%s%N) - before) / 1000000)) ms after the click"
kill "$VANTREL_PID"

# No system bus at all (lib.sh points the program at a socket that is not there).
open_shutdown_page
start_stop
wait_until 10 shows_sentence "$W" || fail "no countdown without a system bus"
start_stop
wait_until 10 blank_sentence "$W" || fail "Stop did nothing without a system bus"
kill -0 "$VANTREL_PID" || fail "the program ended without a system bus"
[ ! -s "$WORK/calls" ] || fail "a system tool was started: $(cat "$WORK/calls")"
echo "ok: the sleep lock held from Start to Stop and to the close; no bus, no answer: the countdown runs"
