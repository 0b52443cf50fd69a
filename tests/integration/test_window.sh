#!/usr/bin/env bash
# The real window under a window manager: title, fixed centred client area,
# stay-on-top, the hidden working window, and a clean exit when closed.
source "$(dirname "$0")/lib.sh"

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
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "not above other windows"
: >"$WORK/cover.log"
"$TEST_TOOLS/xclickwatch" --geometry 1280x1024+0+0 --name cover --timeout 60 >>"$WORK/cover.log" 2>&1 &
PIDS+=($!)
other=""
for _ in $(seq 100); do
  other=$(awk '/^ready/ {print $2; exit}' "$WORK/cover.log")
  [ -n "$other" ] && break
  sleep 0.05
done
[ -n "$other" ] || fail "the second window did not appear"
xdotool search --sync --onlyvisible --name '^cover$' >/dev/null
wmctrl -i -a "$other"
sleep 0.3
# Stacking order from bottom to top: the main window's frame stays above.
stack=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
pos_main=-1 pos_other=-1 i=0
for w in $stack; do
  [ $((w)) = $((main)) ] && pos_main=$i
  [ $((w)) = $((other)) ] && pos_other=$i
  i=$((i + 1))
done
[ "$pos_main" -gt "$pos_other" ] || fail "a later window covers the main window ($stack)"
# What is seen in the middle of the main window is the main window.
frame=$(xwininfo -tree -id "$main" | awk '/Parent window id:/ {print $4}')
xdotool mousemove 600 480
eval "$(xdotool getmouselocation --shell)"
[ $((WINDOW)) = $((main)) ] || [ $((WINDOW)) = $((frame)) ] \
  || fail "the pointer finds window $WINDOW above the main window"

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
xprop -id "$working" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "working window not above"

# Closed by the window manager: no question, exit status 0 at once.
wmctrl -i -c "$main"
for _ in $(seq 60); do
  kill -0 "$VANTREL_PID" 2>/dev/null || break
  sleep 0.05
done
kill -0 "$VANTREL_PID" 2>/dev/null && fail "still running after the close"
status=0
wait "$VANTREL_PID" || status=$?
[ "$status" = 0 ] || fail "exit status $status: $(cat "$WORK/vantrel.log")"
echo "test_window: ok"
