#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The About page's link minimizes the window and hands the maker's address to
# the browser Wine is set to, here a recording script.
source "$(dirname "$0")/lib.sh"

rm -f "$BROWSER_LOG"
start_program
probe click 40 336 # the "About" tab
wait_page about wine_page
[ ! -e "$BROWSER_LOG" ] || fail "something was opened before the link was clicked"
probe click 450 390 # the link
wait_until 30 holds_text "$BROWSER_LOG" "http://www.example.com/" || fail "the browser got: $(cat "$BROWSER_LOG" 2>/dev/null)"
wait_state 'iconic=1' >/dev/null
echo "ok: the link opened the address and minimized the window"
