# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by every shell test, the guest's script and the benchmarks: a work
# folder, WORK, removed at the end with every process in PIDS; fail; and
# wait_until, the one way a test waits for something.
set -euo pipefail

WORK=$(mktemp -d /tmp/vantrel-test.XXXXXX)
PIDS=()
# The program never reaches the machine's own system bus from a test: a test
# that wants one starts a private bus and points this at it.
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORK/no-system-bus"

cleanup() {
  local pid own=()
  # Only processes that are still this shell's children: the number of one
  # reaped earlier may have gone to another process since.
  for pid in "${PIDS[@]}"; do
    [ "$(ps -o ppid= -p "$pid")" -eq $$ ] 2>/dev/null && own+=("$pid") && kill "$pid" 2>/dev/null || true
  done
  for pid in "${own[@]}"; do reap "$pid"; done
  rm -rf "$WORK"
}

# Waits for child $1, sent TERM before, to end. One that outlives its TERM by
# $2 seconds (10 unless given) is named and killed: a stuck helper (a window
# manager, at times) must not hold the test until its time-out.
reap() {
  if ! wait_until "${2:-10}" ended "$1"; then
    echo "still running ${2:-10} s after TERM: $(ps -o pid=,args= -p "$1")" >&2
    kill -KILL "$1" 2>/dev/null || true
  fi
  wait "$1" 2>/dev/null || true
}
end_child() { kill "$1" 2>/dev/null || true; reap "$@"; }
trap cleanup EXIT
trap 'exit 143' TERM INT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs the command given until it succeeds, for at most $1 seconds (a
# decimal fraction too), WAIT_STEP seconds apart (0.05 unless set); false
# when the deadline passed first. The deadline is the clock's, however long
# the command takes.
wait_until() {
  local whole=${1%.*} part=0 deadline
  [[ $1 != *.* ]] || part=${1#*.}000000
  deadline=$((${EPOCHREALTIME/[.,]/} + ${whole:-0} * 1000000 + 10#${part:0:6}))
  shift
  until "$@"; do
    ((${EPOCHREALTIME/[.,]/} < deadline)) || return 1
    sleep "${WAIT_STEP:-0.05}"
  done
}

# Starts a private D-Bus daemon at socket $1, open to every user and name;
# its address goes to BUS.
start_bus() {
  cat >"$1.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <listen>unix:path=$1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
EOF
  dbus-daemon --config-file="$1.conf" --nofork --nopidfile >"$1.log" 2>&1 &
  PIDS+=($!)
  wait_until 20 test -S "$1" || fail "the private bus did not start: $(cat "$1.log")"
  BUS="unix:path=$1"
}

# Whether file $1 holds exactly the text $2.
holds_text() { [ "$(cat "$1" 2>/dev/null)" = "$2" ]; }

# Whether process $1 has ended.
ended() { ! kill -0 "$1" 2>/dev/null; }

# Waits up to $2 seconds for process $1 to end and sets STATUS to its status.
wait_exit() {
  wait_until "$2" ended "$1" || return 1
  STATUS=0
  wait "$1" || STATUS=$?
}
