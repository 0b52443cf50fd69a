#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The tabs bring the right page into view, the hover band follows the real
# pointer, and the About link hands the web page to a stand-in for xdg-open
# after minimizing the window: the one on PATH's absolute entry, never one
# planted where a relative entry points, and with the user's environment.
source "$(dirname "$0")/../lib/x11.sh"

FAKE="$WORK/fakebin"
OPENED="$WORK/opened"
make_recorders "$FAKE" "$OPENED" xdg-open
export VANTREL_CWD="$WORK/here"
make_recorders "$VANTREL_CWD" "$WORK/planted" xdg-open
make_recorders "$VANTREL_CWD/bin" "$WORK/planted" xdg-open

start_display --wm
start_vantrel -u QT_QPA_PLATFORM PATH=".:bin:./bin:$FAKE"
W=$(wait_for_window Vantrel)
sleep 0.5

expect_page() {
  local got
  got=$(page "$W")
  [ "$got" = "$1" ] || fail "expected the $1 page, saw $got"
  # The selection band marks the tab's row.
  [ "$(pixel 100 "$2")" = 808080 ] || fail "no selection band at y $2 for the $1 page"
}

expect_page clicker 272
click_at "$W" 40 304 0.8 # "System"
expect_page shutdown 304
click_at "$W" 100 272 0.8 # the "Mouse" row, beside its label
expect_page clicker 272
click_at "$W" 40 336 0.8 # "About"
expect_page about 336

# The real pointer on the "System" row shows the hover band (its top edge at
# y 288 turns #E0E0E0); on the About page's picture it hides the band again.
band_edge_is() { shoot "$W" && [ "$(pixel 60 288)" = "$1" ]; }
xdotool mousemove --window "$W" 60 300
wait_until 10 band_edge_is E0E0E0 || fail "no hover band over the System row"
xdotool mousemove --window "$W" 312 160
wait_until 10 band_edge_is CDCDCD || fail "the hover band stays over the About picture"
[ ! -e "$OPENED" ] || fail "something was opened before the link was clicked"

click_at "$W" 450 390 0.8 # the link "more free software"
wait_until 10 holds_text "$OPENED" "xdg-open http://www.example.com/" || fail "xdg-open got: $(cat "$OPENED" 2>/dev/null)"
[ ! -e "$WORK/planted" ] || fail "a planted opener was run: $(cat "$WORK/planted")"
! grep '^QT_QPA_PLATFORM=' "$OPENED.xdg-open.env" || fail "the browser inherited QT_QPA_PLATFORM"
wait_until 10 in_state "$W" Iconic || fail "the window was not minimized"
kill -0 "$VANTREL_PID" || fail "the program ended"
echo "ok: pages switch, the link opened the address and minimized the window"
