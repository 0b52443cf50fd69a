#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# labels: slow
# A one-minute countdown on the real program ends with the system action.
# PATH holds nothing but recording stand-ins for the system tools, so the
# action can only ever reach them, and relative entries naming planted
# tools below the program's folder, which must never be run. The action
# gets the user's environment, not what the program set for itself.
source "$(dirname "$0")/../lib/x11.sh"

FAKE="$WORK/fakebin"
CALLS="$WORK/calls"
PLANTED="$WORK/planted"
: >"$CALLS"
make_recorders "$FAKE" "$CALLS" systemctl loginctl shutdown
export VANTREL_CWD="$WORK/here"
make_recorders "$VANTREL_CWD" "$PLANTED" systemctl
make_recorders "$VANTREL_CWD/bin" "$PLANTED" systemctl

start_display --wm
start_vantrel -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS PATH=".:bin:./bin:$FAKE"
W=$(wait_for_window Vantrel)
sleep 0.5


go_to_page "$W" shutdown 40 304
blank_sentence "$W" || fail "the countdown sentence shows before a start"
set_field_at "$W" 189 161 0 # Text6, hours
set_field_at "$W" 285 161 1 # Text7, minutes
click_at "$W" 410 372       # Start
started=$(date +%s)
wait_until 10 shows_sentence "$W" || fail "no countdown sentence after Start"
[ ! -s "$CALLS" ] || fail "something was launched at the start: $(cat "$CALLS")"

# The first tick comes one minute after the start.
wait_until 80 test -s "$CALLS" || fail "nothing was launched within 80 s"
elapsed=$(($(date +%s) - started))
[ "$elapsed" -ge 55 ] || fail "the action came after only ${elapsed} s"
sleep 3
[ "$(cat "$CALLS")" = "systemctl poweroff" ] || fail "recorded: $(cat "$CALLS")"
[ ! -e "$PLANTED" ] || fail "a tool below the current folder was run: $(cat "$PLANTED")"
! grep -E '^(QT_QPA_PLATFORM|DBUS_SESSION_BUS_ADDRESS)=' "$CALLS.systemctl.env" ||
  fail "the action inherited what the program set for itself"
blank_sentence "$W" || fail "the page is not idle after the end"
kill -0 "$VANTREL_PID" || fail "the program ended"
echo "ok: systemctl poweroff once, ${elapsed} s after Start"
