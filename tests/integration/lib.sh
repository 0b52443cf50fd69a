# Shared helpers for the integration tests (and the screenshot and benchmark
# scripts): a display of the caller's own, an optional window manager, and
# waiting for windows. The environment gives VANTREL (the program) and, for
# the tests, TEST_TOOLS (the X clients); SCREEN_SIZE sets the display's size.
set -euo pipefail

: "${VANTREL:?VANTREL must name the vantrel binary}"
: "${TEST_TOOLS:=}"

WORK=$(mktemp -d /tmp/vantrel-test.XXXXXX)
PIDS=()

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

# Starts Xvfb on a free display and exports DISPLAY; with --wm also openbox.
start_display() {
  local fifo="$WORK/displayfd"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE:-1280x1024}x24" -nolisten tcp 3>"$fifo" >"$WORK/xvfb.log" 2>&1 &
  PIDS+=($!)
  local number
  read -r number <"$fifo"
  export DISPLAY=":$number"
  unset XAUTHORITY
  if [ "${1:-}" = "--wm" ]; then
    # openbox sets the root's _NET_SUPPORTING_WM_CHECK once it manages the
    # screen; a loaded machine can take seconds to get there. Now and then it
    # cannot open a display that has just come up (about one start in 15
    # here) and exits at once: it is started again then.
    local wm="" _
    for _ in $(seq 400); do
      if [ -z "$wm" ] || ! kill -0 "$wm" 2>/dev/null; then
        openbox --sm-disable >>"$WORK/openbox.log" 2>&1 &
        wm=$!
        PIDS+=("$wm")
      fi
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
      sleep 0.05
    done
    fail "openbox did not start: $(cat "$WORK/openbox.log")"
  fi
}

# Starts the program in the background with the given environment additions;
# its output goes to $WORK/vantrel.log and its pid to VANTREL_PID.
start_vantrel() {
  env "$@" "$VANTREL" >"$WORK/vantrel.log" 2>&1 &
  VANTREL_PID=$!
  PIDS+=("$VANTREL_PID")
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

# Writes recording stand-ins for programs into folder $1: each appends its
# name and arguments as one line to file $2. Made the whole PATH, they are
# all the real program could ever launch.
make_recorders() {
  local dir=$1 log=$2 program
  shift 2
  mkdir -p "$dir"
  for program in "$@"; do
    printf '#!/bin/sh\necho "%s $*" >>"%s"\n' "$program" "$log" >"$dir/$program"
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
