#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# "Stop after" 3 clicks: a run started with the mouse ends by itself after
# the third click, and the main window comes back. The pointer rests on a
# window of another program beneath the working window at the corner: every
# click goes through to it, and the working window never becomes the active
# window when the main window minimizes.
source "$(dirname "$0")/lib.sh"

start_listener 0 0 80 80
start_program
# Seconds 3, tenths 0, and 3 in the click limit, which selects "Stop after";
# then Start, and the pointer to the corner before the first click is due.
probe click 368 121 text 3 click 432 121 text 0 click 392 225 text 3 click 410 372 pointer 8 8
state=$(wait_state "$RUNNING")
grep -q 'working shown=1 .* active=0 noactivate=1' <<<"$state" ||
  fail "the working window is or may become the active window: $state"
wait_state "$STOPPED" >/dev/null
sleep 1
[ "$(presses)" = 3 ] || fail "expected 3 clicks, saw: $(cat "$WORK/clicks")"
echo "ok: the run stopped by itself after 3 clicks, each through the working window"
