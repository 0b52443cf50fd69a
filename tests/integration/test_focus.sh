#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A field holding a text that is not a number keeps the focus on the real
# program, whatever the user does: the wheel over a list, a click on a list,
# an option, a check box, another field or a button, a click on another tab.
# Nothing on the page changes, no page slides in, and Start does not act.
# Corrected, the tabs switch pages again, and the wheel still turns only a
# list that has the focus.
source "$(dirname "$0")/../lib/x11.sh"

make_recorders "$WORK/bin" "$WORK/launched" shutdown systemctl loginctl xdg-open
start_display --wm
start_vantrel PATH="$WORK/bin"
W=$(wait_for_window Vantrel)
sleep 0.5

differ() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
# Takes the window with the pointer away, once two shots 0.2 s apart agree,
# and keeps its page area without the field at $FIELD (x1,y1 x2,y2 in the
# window), whose caret blinks, in $1.
snap() {
  xdotool mousemove 5 5
  : >"$WORK/last.png"
  sleep 0.2
  WAIT_STEP=0.2 wait_until 30 shots_agree "$1" || fail "the window did not settle"
}
shots_agree() {
  shoot "$W"
  convert "$WORK/shot.png" -fill black -draw "rectangle $FIELD" -crop 416x402+112+0 +repage "$1"
  [ "$(differ "$1" "$WORK/last.png")" = 0 ] && return 0
  cp "$1" "$WORK/last.png"
  return 1
}
# $1 (wheel N or click) at x $2, y $3; then the page must look as in $4,
# the page on show must be $5 and the main window must not be minimized.
unchanged_after() {
  local what=$1 x=$2 y=$3 baseline=$4 expected_page=$5
  if [ "$what" = click ]; then click_at "$W" "$x" "$y"; else
    xdotool mousemove --window "$W" "$x" "$y" click "${what#wheel }"
    sleep 0.3
  fi
  snap "$WORK/after.png"
  local pixels
  pixels=$(differ "$baseline" "$WORK/after.png")
  [ "$pixels" = 0 ] || fail "$what at $x,$y changed $pixels pixels of the page"
  [ "$(page)" = "$expected_page" ] || fail "$what at $x,$y: the $(page) page is on show"
  in_state "$W" Normal || fail "$what at $x,$y started a run"
}

# --- the clicker page, "abc" in the seconds field ------------------------------
FIELD="350,110 387,133"
set_field_at "$W" 368 121 abc
snap "$WORK/refused.png"
unchanged_after "wheel 5" 216 306 "$WORK/refused.png" clicker # Button list
unchanged_after "wheel 5" 224 122 "$WORK/refused.png" clicker # preset list
unchanged_after "wheel 4" 368 306 "$WORK/refused.png" clicker # Action list
unchanged_after click 368 306 "$WORK/refused.png" clicker     # Action list
unchanged_after click 262 200 "$WORK/refused.png" clicker     # "Stop after"
unchanged_after click 304 121 "$WORK/refused.png" clicker     # minutes field
unchanged_after click 40 304 "$WORK/refused.png" clicker      # "System" tab
unchanged_after click 100 336 "$WORK/refused.png" clicker     # "About" row
unchanged_after click 412 372 "$WORK/refused.png" clicker     # Start

# Corrected: the wheel over a list without the focus still changes nothing; a
# list that has the focus turns, and the tabs work.
set_field_at "$W" 368 121 2
snap "$WORK/accepted.png"
unchanged_after "wheel 5" 216 306 "$WORK/accepted.png" clicker
xdotool key shift+Tab shift+Tab # the tenths field, then the Button list
snap "$WORK/focused.png"
xdotool mousemove --window "$W" 216 306 click 5
snap "$WORK/turned.png"
[ "$(differ "$WORK/focused.png" "$WORK/turned.png")" != 0 ] ||
  fail "the wheel did not turn the list that has the focus"
click_at "$W" 40 304
wait_page shutdown page "$W"

# --- the shutdown page, "abc9" in the hours field ------------------------------
FIELD="174,150 211,173"
set_field_at "$W" 189 161 abc9
snap "$WORK/refused.png"
unchanged_after "wheel 5" 216 58 "$WORK/refused.png" shutdown # task list
unchanged_after click 318 58 "$WORK/refused.png" shutdown     # reminder box
unchanged_after click 285 161 "$WORK/refused.png" shutdown    # minutes field
unchanged_after click 412 372 "$WORK/refused.png" shutdown    # Start: no countdown
unchanged_after click 40 272 "$WORK/refused.png" shutdown     # "Mouse" tab

[ ! -e "$WORK/launched" ] || fail "a program was launched: $(cat "$WORK/launched")"
echo "ok: a refused field kept the focus against the wheel, clicks and tabs"
