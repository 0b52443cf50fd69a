#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program on an Xvfb of its own: its window comes up as
# "Vantrel" with its 528 x 402 client area, and F9 starts a run whose clicks
# reach the X client under the pointer; F9 again stops it. Nothing it could
# launch is reachable.
source "$(dirname "$0")/../lib/x11.sh"

start_display --wm
make_recorders "$WORK/bin" "$WORK/launched" shutdown systemctl loginctl xdg-open
start_click_target
start_vantrel PATH="$WORK/bin"
main=$(wait_for_window Vantrel)
size=$(xwininfo -id "$main" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
[ "$size" = 528x402 ] || fail "client area is $size, not 528x402"
# Xvfb reads no input devices: clicks must go through XTest to arrive.
grep -q '^vantrel: clicks through XTest' "$WORK/vantrel.log" ||
  fail "the program does not click through XTest: $(cat "$WORK/vantrel.log")"

xdotool mousemove --sync 1100 850
press_f9_until "$main" Iconic
wait_until 40 presses_reach 2 || fail "the run made $(presses) clicks on the target"
press_f9_until "$main" Normal
[ ! -s "$WORK/launched" ] || fail "the program launched: $(cat "$WORK/launched")"
kill -0 "$VANTREL_PID" || fail "the program ended"
echo "installed.sh: window ${size}, $(presses) clicks on the target; $(head -n1 "$WORK/vantrel.log")"
