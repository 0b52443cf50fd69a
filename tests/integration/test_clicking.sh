#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# F9 pressed while another application has the focus starts a run of the real
# program: left clicks arrive at the pointer about once a second in that
# application's window, the pointer stays put, the focus stays there too, and
# F9 again stops the run with no click after it. Then right and middle double
# clicks reach the same window as X buttons 3 and 2.
source "$(dirname "$0")/../lib/x11.sh"

start_display --wm

# Nothing on this page launches a program; the fake PATH makes sure of it.
make_recorders "$WORK/bin" "$WORK/launched" shutdown systemctl loginctl xdg-open

start_click_target
target=$TARGET

start_vantrel PATH="$WORK/bin"
main=$(wait_for_window Vantrel)

# Give the target the focus the way a user does: click into it.
xdotool mousemove --sync 1100 850
xdotool click 1
wait_until 5 has_focus "$target" || fail "the target window did not take the focus"
pointer_before=$(xdotool getmouselocation --shell | grep -E '^[XY]=')
in_state "$main" Normal || fail "the main window does not start in its normal state"

clicks_before_run=$(presses)
press_f9_until "$main" Iconic
sleep 4.6
has_focus "$target" || fail "the run took the focus from the target window"
press_f9_until "$main" Normal
clicks_at_stop=$(presses)
sleep 2.5
[ "$(presses)" = "$clicks_at_stop" ] || fail "a click came after the run was stopped"

pointer_after=$(xdotool getmouselocation --shell | grep -E '^[XY]=')
[ "$pointer_before" = "$pointer_after" ] || fail "the pointer moved: $pointer_before -> $pointer_after"

# The run's events: everything after the focusing click.
awk '/^(press|release)/' "$WORK/clicks" | tail -n "+$((clicks_before_run * 2 + 1))" >"$WORK/run"
count=$(grep -c '^press' "$WORK/run" || true)
[ "$count" -ge 4 ] || fail "expected at least 4 clicks in about 5 s of run, saw $count"
focus_click=$(awk '/^press/ {print $4, $5; exit}' "$WORK/clicks")
awk -v at="$focus_click" '
  NR % 2 == 1 && $1 != "press"   { print "line " NR " is not a press: " $0; bad = 1 }
  NR % 2 == 0 && $1 != "release" { print "line " NR " is not a release: " $0; bad = 1 }
  $2 != 1                        { print "not the left button: " $0; bad = 1 }
  $4 " " $5 != at                { print "not at the pointer (" at "): " $0; bad = 1 }
  $1 == "release" && (held == "" || $3 - down < held) { held = $3 - down }
  $1 == "press" {
    if (last != "") {
      gap = $3 - last
      printf "gap %d ms\n", gap
      if (gap < 500) { print "gap shorter than 500 ms"; bad = 1 }
      if (gap >= 850 && gap <= 1150) near = 1
    }
    last = $3; down = $3
  }
  # A loaded machine can hold an event back, which stretches the gap before
  # it and shortens the one after: some gaps may be off, but not all of them.
  END {
    if (!near) { print "no gap within 1000 +- 150 ms"; bad = 1 }
    if (held > 20) { print "every release came " held " ms or more after its press"; bad = 1 }
    exit bad
  }
' "$WORK/run" || fail "the clicks were not left clicks about 1 s apart: $(cat "$WORK/run")"

# Right, then middle double clicks: the lists are set from the keyboard (a
# click in the tenths field, Shift+Tab to the button list, then to the action
# list), the run goes with the pointer on the target, and the target sees
# X button 3, then 2, each click twice about 100 ms apart.
main_corner=$(corner "$main")
in_place() { [ "$(corner "$main")" = "$main_corner" ]; }
double_clicks() { # button list item (0 Left, 1 Right, 2 Middle), X button
  local downs=$1 button=$2 before reach
  # A restored window grows back from its icon for a moment; a click before
  # it is back in place would land on the desktop.
  wait_until 10 in_place || true
  xdotool mousemove --window "$main" 432 121 click 1
  wait_until 10 has_focus "$main" || fail "a click did not give the main window the focus"
  xdotool key --delay 80 shift+Tab Home $(printf 'Down %.0s' $(seq "$downs")) shift+Tab Home Down
  xdotool mousemove 1100 850
  before=$(wc -l <"$WORK/clicks") reach=$(($(presses) + 4))
  press_f9_until "$main" Iconic
  wait_until 15 presses_reach "$reach" || true # judged below
  press_f9_until "$main" Normal
  tail -n "+$((before + 1))" "$WORK/clicks" | awk -v button="$button" '
    $2 != button { print "not X button " button ": " $0; bad = 1 }
    # Judged by the best pair: a held-back first click shortens a pause.
    $1 == "press" && ++n % 2 == 0 {
      gap = $3 - last
      printf "button %d: second press %d ms after the first\n", button, gap
      if (gap >= 95 && gap <= 300) near = 1
    }
    $1 == "press" { last = $3 }
    END {
      if (n < 4) { print n " presses"; bad = 1 }
      if (!near) { print "no double click with a pause of about 100 ms"; bad = 1 }
      exit bad
    }
  ' || fail "button $button: $(tail -n "+$((before + 1))" "$WORK/clicks")"
}
double_clicks 1 3
double_clicks 2 2

[ ! -e "$WORK/launched" ] || fail "a program was launched: $(cat "$WORK/launched")"
echo "PASS: $count clicks"
