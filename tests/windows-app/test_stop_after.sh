#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# "Stop after" 3 clicks: a run started by F9 ends by itself after the third
# click, and the main window comes back.
source "$(dirname "$0")/lib.sh"

start_listener
start_program
# Tenths 3, seconds 0, and 3 in the click limit, which selects "Stop after".
probe click 432 121 text 3 click 368 121 text 0 click 392 225 text 3
probe pointer 1100 500
wine_f9_until "$RUNNING"
wait_state "$STOPPED" >/dev/null
sleep 1
[ "$(presses)" = 3 ] || fail "expected 3 clicks, saw: $(cat "$WORK/clicks")"
echo "ok: the run stopped by itself after 3 clicks"
