#!/usr/bin/env bash
# F9 pressed while another application has the focus starts a run of the real
# program: left clicks arrive at the pointer about once a second in that
# application's window, the pointer stays put, the focus stays there too, and
# F9 again stops the run with no click after it.
source "$(dirname "$0")/lib.sh"

start_display --wm

# Nothing on this page launches a program; the fake PATH makes sure of it.
make_recorders "$WORK/bin" "$WORK/launched" shutdown systemctl loginctl xdg-open

"$TEST_TOOLS/xclickwatch" --geometry 300x200+950+750 --timeout 120 --name target \
  >"$WORK/clicks" 2>"$WORK/xclickwatch.log" &
PIDS+=($!)
for _ in $(seq 100); do grep -q '^ready' "$WORK/clicks" 2>/dev/null && break; sleep 0.05; done
target=$(awk '/^ready/ {print $2; exit}' "$WORK/clicks")
[ -n "$target" ] || fail "xclickwatch did not start"

start_vantrel PATH="$WORK/bin"
main=$(wait_for_window Vantrel)

presses() { grep -c '^press' "$WORK/clicks" || true; }

# Give the target the focus the way a user does: click into it.
xdotool mousemove --sync 1100 850
xdotool click 1
for _ in $(seq 40); do
  [ "$(xdotool getwindowfocus)" = "$target" ] && break
  sleep 0.05
done
[ "$(xdotool getwindowfocus)" = "$target" ] || fail "the target window did not take the focus"
pointer_before=$(xdotool getmouselocation --shell | grep -E '^[XY]=')
[ "$(window_state "$main")" = Normal ] || fail "the main window does not start in its normal state"

clicks_before_run=$(presses)
press_f9_until "$main" Iconic
sleep 4.6
[ "$(xdotool getwindowfocus)" = "$target" ] || fail "the run took the focus from the target window"
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
  $1 == "release" && $3 - down > 5 { print "release " $3 - down " ms after its press"; bad = 1 }
  $1 == "press" {
    if (last != "") {
      gap = $3 - last
      printf "gap %d ms\n", gap
      if (gap < 850 || gap > 1150) { print "gap out of 1000 +- 150 ms"; bad = 1 }
    }
    last = $3; down = $3
  }
  END { exit bad }
' "$WORK/run" || fail "the clicks were not left clicks about 1 s apart: $(cat "$WORK/run")"

[ ! -e "$WORK/launched" ] || fail "a program was launched: $(cat "$WORK/launched")"
echo "PASS: $count clicks"
