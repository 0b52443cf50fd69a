#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window under a window manager: title, fixed centred client area,
# stay-on-top, the working window hidden and during runs, and a clean exit
# when closed in the middle of a run.
source "$(dirname "$0")/../lib/x11.sh"

start_display --wm
# Nothing the window could launch is reachable.
mkdir "$WORK/bin"
start_vantrel PATH="$WORK/bin"
main=$(wait_for_window Vantrel)

# Title and a fixed 528 x 402 client area, centred on the 1280 x 1024 screen.
info=$(xwininfo -id "$main")
width=$(awk '/^  Width:/ {print $2}' <<<"$info")
height=$(awk '/^  Height:/ {print $2}' <<<"$info")
x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
[ "$width" = 528 ] && [ "$height" = 402 ] || fail "client area is ${width}x${height}"
[ "$x" = $(((1280 - 528) / 2)) ] && [ "$y" = $(((1024 - 402) / 2)) ] \
  || fail "client area at $x,$y is not centred"
xprop -id "$main" WM_NAME | grep -q '"Vantrel"' || fail "title is not Vantrel"

# It cannot be resized: minimum and maximum size are the same, and the
# window manager offers neither resizing nor maximizing.
hints=$(xprop -id "$main" WM_NORMAL_HINTS)
grep -q 'minimum size: 528 by 402' <<<"$hints" || fail "no minimum size: $hints"
grep -q 'maximum size: 528 by 402' <<<"$hints" || fail "no maximum size: $hints"
actions=$(xprop -id "$main" _NET_WM_ALLOWED_ACTIONS)
grep -q MINIMIZE <<<"$actions" || fail "cannot be minimized: $actions"
grep -qE 'RESIZE|MAXIMIZE' <<<"$actions" && fail "can be resized or maximized: $actions"
wmctrl -i -r "$main" -b add,maximized_vert,maximized_horz
sleep 0.3
xwininfo -id "$main" | grep -q '^  Width: 528$' || fail "a maximize request changed the size"

# Stay on top, and a later window does not cover it.
net_state "$main" ABOVE || fail "not above other windows"
watch_clicks "$WORK/cover.log" --geometry 1280x1024+0+0 --name cover --timeout 60 ||
  fail "the second window did not appear"
other=$WATCH
xdotool search --sync --onlyvisible --name '^cover$' >/dev/null
wmctrl -i -a "$other"
sleep 0.3
# What is seen at (x, y) of the screen is window $3 (or its frame).
seen_at() {
  local frame
  frame=$(xwininfo -tree -id "$3" | awk '/Parent window id:/ {print $4}')
  xdotool mousemove "$1" "$2"
  eval "$(xdotool getmouselocation --shell)"
  [ $((WINDOW)) = $(($3)) ] || [ $((WINDOW)) = $((frame)) ]
}
stacked_above "$main" "$other" || fail "a later window covers the main window"
seen_at 600 480 "$main" || fail "the pointer finds another window above the main window"

# The working window exists, hidden, as a 20 x 20 square at 0,0 that never
# accepts the input focus.
working=$(xdotool search --name '^working$' | head -n1)
[ -n "$working" ] || fail "no working window"
winfo=$(xwininfo -id "$working")
grep -q 'Map State: IsUnMapped' <<<"$winfo" || fail "the working window is shown"
grep -q '^  Width: 20$' <<<"$winfo" && grep -q '^  Height: 20$' <<<"$winfo" \
  || fail "the working window is not 20x20"
xprop -id "$working" WM_HINTS | grep -q 'accepts input or input focus: False' \
  || fail "the working window would take the focus"
net_state "$working" ABOVE || fail "working window not above"

# A borderless window of another program holds the corner, so that a window
# manager placing the working window by itself would put it elsewhere.
watch_clicks "$WORK/corner.log" --geometry 80x80+0+0 --name corner --timeout 60 --borderless 1 &&
  wait_until 10 window_named corner >/dev/null || fail "the corner window did not appear"
corner=$WATCH
at_corner() { xwininfo -id "$corner" | grep -q 'Absolute upper-left Y:  0$'; }
wait_until 10 at_corner || fail "the corner window is not at the corner: $(xwininfo -id "$corner")"

# A run shows it at 0,0, 20 x 20 and without a frame, above the window just
# brought to the front and off the taskbar and pager, and the pointer there
# belongs to the window beneath; the next run again, although the window
# manager drops a window's states when it is hidden. The second run's clicks
# at the corner reach the window there.
for run in 1 2; do
  press_f9_until "$main" Iconic
  wait_until 10 viewable "$working" || fail "run $run: the working window is not shown"
  winfo=$(xwininfo -id "$working")
  grep -q 'Absolute upper-left X:  0$' <<<"$winfo" && grep -q 'Absolute upper-left Y:  0$' <<<"$winfo" \
    && grep -q '^  Width: 20$' <<<"$winfo" && grep -q '^  Height: 20$' <<<"$winfo" \
    || fail "run $run: the working window is not a 20x20 square at 0,0: $winfo"
  xprop -id "$working" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0$' || fail "run $run: it has a frame"
  states=$(xprop -id "$working" _NET_WM_STATE)
  for state in ABOVE SKIP_TASKBAR SKIP_PAGER; do
    grep -q "_NET_WM_STATE_$state" <<<"$states" || fail "run $run: no $state: $states"
  done
  wmctrl -i -a "$other"
  sleep 0.3
  stacked_above "$working" "$other" || fail "run $run: the window brought to the front covers it"
  # The window manager copies the input shape to its frame a moment after
  # the window shows.
  wait_until 10 seen_at 10 10 "$other" || fail "run $run: the working window takes the pointer at 10,10"
  xdotool mousemove 640 900 # the run's clicks fall on the cover
  [ "$run" = 2 ] || press_f9_until "$main" Normal
done
# A loaded window manager can let a request to raise a window go; asked
# again until the pointer at 8,8 finds it (and not the working window).
corner_in_front() { wmctrl -i -a "$corner" && seen_at 8 8 "$corner"; }
wait_until 20 corner_in_front ||
  fail "at 8,8 the pointer finds $(xdotool getmouselocation), not the corner window $corner beneath"
corner_clicked() { (($(grep -c '^press 1' "$WORK/corner.log") >= 3)); }
wait_until 10 corner_clicked || fail "the clicks at 8,8 did not reach the window beneath: $(cat "$WORK/corner.log")"

# Closed by the window manager during the run: no question, exit status 0
# at once, and the working window goes with it.
wmctrl -i -c "$main"
wait_exit "$VANTREL_PID" 5 || fail "still running after the close"
[ "$STATUS" = 0 ] || fail "exit status $STATUS: $(cat "$WORK/vantrel.log")"
echo "test_window: ok"
