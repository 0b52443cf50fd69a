# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared helpers for the integration tests (and the screenshot and benchmark
# scripts): a display of the caller's own, an optional window manager, and
# waiting for windows. The environment gives VANTREL (the program) and, for
# the tests, TEST_TOOLS (the X clients); SCREEN_SIZE sets the display's size.
set -euo pipefail

: "${VANTREL:?VANTREL must name the vantrel binary}"
: "${TEST_TOOLS:=}"

WORK=$(mktemp -d /tmp/vantrel-test.XXXXXX)
PIDS=()
# The program never reaches the machine's own system bus from a test: a test
# that wants one starts a private bus and points this at it.
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/no-system-bus"

cleanup() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs the command given until it succeeds, for at most $1 seconds; false
# when the deadline passed first.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# Starts Xvfb on a free display and exports DISPLAY; with --wm also openbox.
start_display() {
  local fifo
  fifo=$(mktemp -u "$WORK/displayfd.XXXXXX")
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE:-1280x1024}x24" -nolisten tcp 3>"$fifo" >"$WORK/xvfb.log" 2>&1 &
  PIDS+=($!)
  local number
  read -r number <"$fifo"
  export DISPLAY=":$number"
  unset XAUTHORITY
  if [ "${1:-}" = "--wm" ]; then
    start_wm
  fi
}

# Starts openbox on $DISPLAY (its log named after $1) and returns once it
# manages windows. openbox announces itself on the root window before it
# handles new windows, and a window mapped in between stays unmapped for
# good; so a probe window is mapped, a new one each time, until openbox
# lists it among its clients, and it is gone again before this returns.
start_wm() {
  local probe listed wm=""
  for _ in $(seq 30); do
    # Now and then openbox cannot open a display that has just come up and
    # exits at once: it is started again then.
    if [ -z "$wm" ] || ! kill -0 "$wm" 2>/dev/null; then
      openbox --sm-disable >>"$WORK/openbox${1:-}.log" 2>&1 &
      wm=$!
      PIDS+=("$wm")
    fi
    xlogo -geometry 8x8+0+0 >/dev/null 2>&1 &
    probe=$!
    listed=no
    for _ in $(seq 40); do
      wm_has_clients && listed=yes && break
      sleep 0.05
    done
    kill "$probe" 2>/dev/null || true
    wait "$probe" 2>/dev/null || true
    if [ "$listed" = yes ]; then
      for _ in $(seq 100); do
        wm_has_clients || return 0
        sleep 0.05
      done
      fail "openbox kept its probe window"
    fi
  done
  fail "openbox did not start managing windows: $(cat "$WORK/openbox${1:-}.log")"
}

wm_has_clients() { xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q 0x; }

# Starts the program in the background with the given environment additions
# (in folder $VANTREL_CWD when it is set); its output goes to
# $WORK/vantrel.log and its pid to VANTREL_PID.
start_vantrel() {
  (cd "${VANTREL_CWD:-.}" && exec env "$@" "$VANTREL") >"$WORK/vantrel.log" 2>&1 &
  VANTREL_PID=$!
  PIDS+=("$VANTREL_PID")
}

# Starts xclickwatch as the window "target" at 300x200+950+750, where the
# tests' clicks go, recording into $WORK/clicks for $1 seconds (120 unless
# given), and sets TARGET to its window once it has one.
start_click_target() {
  "$TEST_TOOLS/xclickwatch" --geometry 300x200+950+750 --timeout "${1:-120}" --name target \
    >"$WORK/clicks" 2>"$WORK/xclickwatch.log" &
  PIDS+=($!)
  for _ in $(seq 400); do grep -q '^ready' "$WORK/clicks" 2>/dev/null && break; sleep 0.05; done
  TARGET=$(awk '/^ready/ {print $2; exit}' "$WORK/clicks")
  [ -n "$TARGET" ] || fail "xclickwatch did not start: $(cat "$WORK/xclickwatch.log")"
}

# Prints the id of the first window with the given name once it is mapped.
wait_for_window() {
  local name=$1 id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.05
  done
  fail "no window named $name appeared"
}

# The state of top-level window $1 as the window manager has it: Normal or Iconic.
window_state() {
  xprop -id "$1" WM_STATE 2>/dev/null | awk '/window state:/ {print $3}'
}

# Presses F9 for 70 ms until main window $1 reaches state $2 (a run
# minimizes it, a stop restores it). A press that changed nothing after a
# generous wait is made again, after a random pause that keeps it off the
# poll's grid.
press_f9_until() {
  local window=$1 wanted=$2
  for _ in $(seq 10); do
    xdotool keydown F9
    sleep 0.07
    xdotool keyup F9
    for _ in $(seq 60); do
      [ "$(window_state "$window")" = "$wanted" ] && return 0
      sleep 0.05
    done
    sleep "0.$((RANDOM % 5))"
  done
  fail "F9 did not bring the main window to $wanted"
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

# Brightness of the shutdown page's countdown sentence in main window $1:
# 1 when its place holds nothing.
sentence_brightness() {
  import -window "$1" "$WORK/sentence.png"
  convert "$WORK/sentence.png" -crop 320x16+134+209 +repage -colorspace gray -threshold 80% \
    -format '%[fx:mean]' info:
}

# Replaces the text of the field at (x, y) inside window $1 with $4.
set_field_at() {
  xdotool mousemove --window "$1" "$2" "$3" click --repeat 3 --delay 80 1
  sleep 0.2
  xdotool key ctrl+a type "$4"
  sleep 0.2
}
