#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The tabs bring the right page into view, the hover band follows the real
# pointer, and the About link hands the web page to a stand-in for xdg-open
# after minimizing the window: the one on PATH's absolute entry, never one
# planted where a relative entry points, and with the user's environment.
source "$(dirname "$0")/lib.sh"

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

click() { click_at "$W" "$1" "$2" 0.8; }
# "page" prints which page is on show, read from two bands: the clicker page
# has its "Intervel" band at y 80, the shutdown page its "Time" band at y 115.
pixel() { convert "$WORK/shot.png" -format "%[hex:p{$1,$2}]" info:; }
page() {
  import -window "$W" "$WORK/shot.png"
  case "$(pixel 492 80) $(pixel 492 115)" in
    "F7F7F7 FFFFFF") echo clicker ;;
    "FFFFFF F7F7F7") echo shutdown ;;
    "FFFFFF FFFFFF") echo about ;;
    *) echo "unknown: $(pixel 492 80) $(pixel 492 115)" ;;
  esac
}
expect_page() {
  local got
  got=$(page)
  [ "$got" = "$1" ] || fail "expected the $1 page, saw $got"
  # The selection band marks the tab's row.
  [ "$(pixel 100 "$2")" = 808080 ] || fail "no selection band at y $2 for the $1 page"
}

expect_page clicker 272
click 40 304 # "System"
expect_page shutdown 304
click 100 272 # the "Mouse" row, beside its label
expect_page clicker 272
click 40 336 # "About"
expect_page about 336

# The real pointer on the "System" row shows the hover band (its top edge at
# y 288 turns #E0E0E0); on the About page's picture it hides the band again.
band_edge_becomes() {
  for _ in $(seq 40); do
    import -window "$W" "$WORK/shot.png"
    [ "$(pixel 60 288)" = "$1" ] && return 0
    sleep 0.05
  done
  return 1
}
xdotool mousemove --window "$W" 60 300
band_edge_becomes E0E0E0 || fail "no hover band over the System row"
xdotool mousemove --window "$W" 312 160
band_edge_becomes CDCDCD || fail "the hover band stays over the About picture"
[ ! -e "$OPENED" ] || fail "something was opened before the link was clicked"

click 450 390 # the link "more free software"
for _ in $(seq 50); do [ -s "$OPENED" ] && break; sleep 0.1; done
[ "$(cat "$OPENED" 2>/dev/null)" = "xdg-open http://www.example.com/" ] ||
  fail "xdg-open got: $(cat "$OPENED" 2>/dev/null)"
[ ! -e "$WORK/planted" ] || fail "a planted opener was run: $(cat "$WORK/planted")"
! grep '^QT_QPA_PLATFORM=' "$OPENED.xdg-open.env" || fail "the browser inherited QT_QPA_PLATFORM"
for _ in $(seq 50); do
  xprop -id "$W" WM_STATE | grep -q 'Iconic' && break
  sleep 0.1
done
xprop -id "$W" WM_STATE | grep -q 'Iconic' || fail "the window was not minimized"
kill -0 "$VANTREL_PID" || fail "the program ended"
echo "ok: pages switch, the link opened the address and minimized the window"
