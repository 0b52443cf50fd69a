#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# labels: slow
# The real program against a hostile setting: no system tools and no web
# opener on PATH (a one-minute countdown and the About link both fail in
# silence and the program goes on), a display without XTEST (one line on
# standard error, the window still works), and the X server going away (a
# prompt exit with a message, not a crash). The three displays run side by
# side while the countdown's minute passes.
source "$(dirname "$0")/../lib/x11.sh"

# PATH is an empty folder: nothing at all can be launched.
EMPTY="$WORK/empty"
mkdir -p "$EMPTY"

# --- 1. No tools on PATH: the About link and a one-minute countdown ---------
start_display --wm
start_vantrel PATH="$EMPTY"
W=$(wait_for_window Vantrel)
sleep 0.5

click_at "$W" 40 336  # "About"
sleep 1
click_at "$W" 450 390 # the link: the window goes down, the opener is missing
wait_until 5 in_state "$W" Iconic || fail "the link did not minimize the window"
kill -0 "$VANTREL_PID" || fail "the program ended after a link with no opener"
xdotool windowactivate --sync "$W"
sleep 0.5

go_to_page "$W" shutdown 40 304
set_field_at "$W" 189 161 0 # hours
set_field_at "$W" 285 161 1 # minutes
click_at "$W" 410 372       # Start
started=$(date +%s)
wait_until 10 shows_sentence "$W" || fail "no countdown sentence after Start"

# --- 2. A display without XTEST ----------------------------------------------
new_display -extension XTEST
NOXTEST=$NEW_DISPLAY
DISPLAY=$NOXTEST start_wm -b
DISPLAY=$NOXTEST env PATH="$EMPTY" "$VANTREL" >"$WORK/noxtest.log" 2>&1 &
noxtest_pid=$!
PIDS+=("$noxtest_pid")
noxtest_window=$(DISPLAY=$NOXTEST wait_for_window Vantrel)
sleep 2
kill -0 "$noxtest_pid" || fail "the program ended on a display without XTEST"
[ "$(own_lines "$WORK/noxtest.log" | grep -c XTEST)" = 1 ] ||
  fail "expected one line about XTEST, got: $(cat "$WORK/noxtest.log")"
[ "$(own_lines "$WORK/noxtest.log" | wc -l)" = 1 ] ||
  fail "more than one line on standard error: $(cat "$WORK/noxtest.log")"
DISPLAY=$NOXTEST import -window "$noxtest_window" "$WORK/noxtest.png"
colours=$(convert "$WORK/noxtest.png" -format '%k' info:)
[ "$colours" -gt 50 ] || fail "the window looks unpainted ($colours colours)"
# The window still answers its events: a close request ends the program cleanly.
DISPLAY=$NOXTEST wmctrl -c Vantrel
wait_exit "$noxtest_pid" 10 || fail "the program did not close on request"
[ "$STATUS" = 0 ] || fail "closing without XTEST ended with status $STATUS"

# --- 3. The X server goes away -----------------------------------------------
new_display
GONE=$NEW_DISPLAY
gone_xvfb=$XVFB_PID
DISPLAY=$GONE env PATH="$EMPTY" "$VANTREL" >"$WORK/gone.log" 2>&1 &
gone_pid=$!
PIDS+=("$gone_pid")
DISPLAY=$GONE wait_for_window Vantrel >/dev/null
sleep 1
kill -KILL "$gone_xvfb"
wait_exit "$gone_pid" 5 || fail "the program outlived its X server by 5 s"
[ "$STATUS" -lt 128 ] || fail "the program died of signal $((STATUS - 128)) when the X server went away"
[ "$STATUS" != 0 ] || fail "the program reported success when the X server went away"
grep -qE 'connection to the X server was lost|X11 connection broke' "$WORK/gone.log" ||
  fail "no clear message when the X server went away: $(cat "$WORK/gone.log")"

# --- back to 1: the countdown's end with no systemctl ------------------------
# The minute and a few seconds for the action, from the Start.
left=$((started + 66 - $(date +%s)))
((left <= 0)) || sleep "$left"
kill -0 "$VANTREL_PID" || fail "the program ended when the system action could not start"
blank_sentence "$W" || fail "the page is not idle after a failed action"
[ -z "$(own_lines "$WORK/vantrel.log")" ] ||
  fail "failed launches were not silent: $(cat "$WORK/vantrel.log")"
echo "ok: silent failed launches, one XTEST line, exit status $STATUS when the X server went away"
