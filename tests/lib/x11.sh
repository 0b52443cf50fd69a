# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the scripts that drive the real program on X11 (tests, guest,
# benchmarks, screenshots), on top of common.sh: displays of the caller's own
# with or without a window manager, the program and the X clients that watch
# it, windows and their state, F9, shots, pixels and pages. The environment
# gives VANTREL (the program) and TEST_TOOLS (the X clients); SCREEN_SIZE
# sets a display's size.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
: "${TEST_TOOLS:=}"

# Starts one more Xvfb, with the given extra arguments; sets NEW_DISPLAY and
# XVFB_PID.
new_display() {
  local fifo number
  fifo=$(mktemp -u "$WORK/displayfd.XXXXXX")
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE:-1280x1024}x24" -nolisten tcp "$@" 3>"$fifo" >>"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  PIDS+=("$XVFB_PID")
  read -r number <"$fifo" || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
  NEW_DISPLAY=":$number"
}

# Starts Xvfb on a free display and exports DISPLAY; with --wm also openbox.
start_display() {
  new_display
  export DISPLAY=$NEW_DISPLAY
  unset XAUTHORITY
  if [ "${1:-}" = "--wm" ]; then start_wm; fi
}

# Starts openbox on $DISPLAY (its log named after $1) and returns once it
# manages windows. openbox announces itself on the root window before it
# handles new windows, and a window mapped in between stays unmapped for
# good; so a probe window is mapped, a new one each time, until openbox
# lists it among its clients, and it is gone again before this returns.
start_wm() {
  OPENBOX_PID=
  wait_until 90 wm_takes_probe "${1:-}" ||
    fail "openbox did not start managing windows: $(cat "$WORK/openbox${1:-}.log")"
  wait_until 10 no_wm_clients || fail "openbox kept its probe window"
}
wm_takes_probe() {
  local probe listed=0
  # Now and then openbox cannot open a display that has just come up and
  # exits at once: it is started again then.
  if [ -z "$OPENBOX_PID" ] || ended "$OPENBOX_PID"; then
    openbox --sm-disable >>"$WORK/openbox$1.log" 2>&1 &
    OPENBOX_PID=$!
    PIDS+=("$OPENBOX_PID")
  fi
  xlogo -geometry 8x8+0+0 >/dev/null 2>&1 &
  probe=$!
  wait_until 3 wm_has_clients || listed=1
  end_child "$probe"
  return "$listed"
}
wm_has_clients() { xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q 0x; }
no_wm_clients() { ! wm_has_clients; }

# Starts the program in the background with the given environment additions
# (in folder $VANTREL_CWD when it is set); its output goes to
# $WORK/vantrel.log and its pid to VANTREL_PID. The log is emptied here, not
# by the background process: that one may open it only after the caller has
# read it, and the caller would find the last program's lines.
start_vantrel() {
  : "${VANTREL:?VANTREL must name the vantrel binary}"
  : >"$WORK/vantrel.log"
  (cd "${VANTREL_CWD:-.}" && exec env "$@" "$VANTREL") >>"$WORK/vantrel.log" 2>&1 &
  VANTREL_PID=$!
  PIDS+=("$VANTREL_PID")
}

# Ends the program started last and waits for it.
stop_vantrel() {
  kill "$VANTREL_PID"
  wait "$VANTREL_PID" 2>/dev/null || true
}

# Starts xclickwatch with the arguments after $1, recording into file $1,
# and returns once its window is up (false after 30 s): WATCH is the window,
# WATCH_PID the process. The log is emptied first, as start_vantrel's is.
watch_clicks() {
  local log=$1
  shift
  : >"$log"
  "$TEST_TOOLS/xclickwatch" "$@" >>"$log" 2>"$log.err" &
  WATCH_PID=$!
  PIDS+=("$WATCH_PID")
  wait_until 30 grep -q '^ready' "$log" 2>/dev/null || return 1
  WATCH=$(awk '/^ready/ {print $2; exit}' "$log")
}

# Starts xclickwatch as the window "target" at 300x200+950+750, where the
# tests' clicks go, recording into $WORK/clicks for $1 seconds (120 unless
# given); TARGET is its window.
start_click_target() {
  watch_clicks "$WORK/clicks" --geometry 300x200+950+750 --timeout "${1:-120}" --name target ||
    fail "xclickwatch did not start: $(cat "$WORK/clicks.err")"
  TARGET=$WATCH
}

# The presses in the record CLICK_LOG ($WORK/clicks unless set), as its lines
# matching PRESS (^press unless set) say them; and whether they are $1 or more.
presses() { grep -c "${PRESS:-^press}" "${CLICK_LOG:-$WORK/clicks}" || true; }
presses_reach() { (($(presses) >= $1)); }

# Prints the id of the first mapped window named $1; false while there is none.
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 | grep .; }
# Prints the id of the first window named $1 once it is mapped ($2 seconds, 20 unless given).
wait_for_window() { wait_until "${2:-20}" window_named "$1" || fail "no window named $1 appeared"; }

# The state of top-level window $1 as the window manager has it: Normal or
# Iconic; and whether it is $2.
window_state() { xprop -id "$1" WM_STATE 2>/dev/null | awk '/window state:/ {print $3}'; }
in_state() { [ "$(window_state "$1")" = "$2" ]; }
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
has_focus() { [ "$(xdotool getwindowfocus)" = "$1" ]; }
# Whether window $1 has _NET_WM_STATE_$2 (ABOVE, SKIP_TASKBAR...).
net_state() { xprop -id "$1" _NET_WM_STATE | grep -q "_NET_WM_STATE_$2"; }
# The screen position of window $1: "X Y".
corner() { xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {print x, $4}'; }

# Presses F9 for 70 ms until main window $1 reaches state $2 (a run
# minimizes it, a stop restores it). A press that changed nothing after a
# generous wait is made again, after a random pause that keeps it off the
# poll's grid.
press_f9_until() { wait_until 60 f9_brings "$@" || fail "F9 did not bring the main window to $2"; }
f9_brings() {
  xdotool keydown F9
  sleep 0.07
  xdotool keyup F9
  wait_until 5 in_state "$1" "$2" && return 0
  sleep "0.$((RANDOM % 5))"
  return 1
}

# Whether window $1 lies above window $2 in the window manager's stacking order.
stacked_above() {
  local stack position=0 upper=-1 lower=-1 w
  stack=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
  for w in $stack; do
    [ $((w)) = $(($1)) ] && upper=$position
    [ $((w)) = $(($2)) ] && lower=$position
    position=$((position + 1))
  done
  [ "$upper" -gt "$lower" ] && [ "$lower" -ge 0 ]
}

# Writes recording stand-ins for programs into folder $1: each appends its
# name and arguments as one line to file $2, and its environment to
# $2.<name>.env. Made the whole PATH, they are all the real program could
# ever launch.
make_recorders() {
  local dir=$1 log=$2 program
  shift 2
  mkdir -p "$dir"
  for program in "$@"; do
    printf '#!/bin/sh\n/usr/bin/env >"%s.%s.env"\necho "%s $*" >>"%s"\n' "$log" "$program" "$program" "$log" >"$dir/$program"
    chmod +x "$dir/$program"
  done
}

# Clicks at (x, y) inside window $1, then lets the program react for $4
# seconds (0.3 unless given).
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep "${4:-0.3}"
}

# Replaces the text of the field at (x, y) inside window $1 with $4.
set_field_at() {
  xdotool mousemove --window "$1" "$2" "$3" click --repeat 3 --delay 80 1
  sleep 0.2
  xdotool key ctrl+a type "$4"
  sleep 0.2
}

# A shot of window $1 into $WORK/shot.png, and the colour of pixel (x, y) of
# the last shot (hex, as F7F7F7).
shoot() { import -window "$1" "$WORK/shot.png"; }
pixel() { convert "$WORK/shot.png" -format "%[hex:p{$1,$2}]" info:; }

# The page that the colours of two bands at the pages' right edge tell: the
# clicker page has its "Intervel" band at y 80, the shutdown page its "Time"
# band at y 115, the About page neither.
page_of() {
  case "${1:-} ${2:-}" in
    "F7F7F7 FFFFFF") echo clicker ;;
    "FFFFFF F7F7F7") echo shutdown ;;
    "FFFFFF FFFFFF") echo about ;;
    *) echo "unknown: ${1:-} ${2:-}" ;;
  esac
}
# The page on show in the last shot (a new one of window $1 when given).
page() {
  [ -z "${1:-}" ] || shoot "$1"
  page_of "$(pixel 492 80)" "$(pixel 492 115)"
}
# Waits until page $1 is on show, as the command after it prints it.
wait_page() { wait_until 60 showing "$@" || fail "the $1 page did not come: $("${@:2}")"; }
showing() { [ "$("${@:2}")" = "$1" ]; }

# Brightness of the countdown sentence's place in window $1: 1 when it
# holds nothing.
sentence_brightness() {
  shoot "$1"
  convert "$WORK/shot.png" -crop 320x16+134+209 +repage -colorspace gray -threshold 80% \
    -format '%[fx:mean]' info:
}
shows_sentence() { [ "$(sentence_brightness "$1")" != 1 ]; }
blank_sentence() { ! shows_sentence "$1"; }

# Clicks the tab at (x, y) of window $1 until page $2 is on show, for 30 s at
# most: a window manager still placing a window it has just brought back can
# take the first click, and a user would click again.
go_to_page() { wait_until 30 tab_brings "$@" || fail "the $2 page did not come: $(page "$1")"; }
tab_brings() {
  xdotool mousemove --window "$1" "$3" "$4" click 1
  wait_until 3 showing "$2" page "$1"
}

# Presses F9 through xf9hold for each hold in milliseconds given (after
# --desktop FIFO: the desktop's stand-in presses it) and prints the holds
# whose press did not toggle the run exactly once (a hold of two presses
# with no pause between them, 150+150, twice).
check_holds() {
  local args=()
  [ "$1" != --desktop ] || { args=("$1" "$2"); shift 2; }
  "$TEST_TOOLS/xf9hold" "${args[@]}" "$@" >"$WORK/holds" || fail "xf9hold failed: $(cat "$WORK/holds")"
  awk -v n=$# '$2 != split($1, presses, "+") { print $1 " ms: " $2 " toggles" } END { if (NR != n) print "only " NR " presses" }' \
    "$WORK/holds"
}

# Lines of the program's log $1 that are not the toolkit's notes about the
# environment nor the start-up line naming the input paths.
own_lines() { grep -v -e '^QStandardPaths: ' -e '^vantrel: clicks through ' "$1" || true; }
