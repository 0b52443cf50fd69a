#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# labels: slow
# Start-up in settings that once aborted or hung it: a fresh X server with no
# other client (STARTS times, 20 unless given), a session bus that accepts
# and never answers, and no session bus at all, after which nothing the
# program started may be left running. And a second start while one runs.
source "$(dirname "$0")/../lib/x11.sh"

# A process of the program's, or started by it, carries this mark.
MARK="VANTREL_TEST_MARK=$WORK"
marked_processes() {
  { grep -lsz "^$MARK\$" /proc/[0-9]*/environ || true; } | cut -d/ -f3 | while read -r pid; do
    ps -o pid=,args= -p "$pid" || true
  done
}
shown() { window_named Vantrel >/dev/null; }
gone() { ended "$VANTREL_PID"; }
shown_or_gone() { shown || gone; }

# --- 1. Fresh servers: the program is their first and only client --------------
aborts=0
for i in $(seq "${STARTS:-20}"); do
  SCREEN_SIZE=640x480 new_display
  DISPLAY=$NEW_DISPLAY start_vantrel
  DISPLAY=$NEW_DISPLAY wait_until 30 shown_or_gone || fail "start $i: no window within 30 s"
  if gone; then
    status=0
    wait "$VANTREL_PID" || status=$?
    echo "start $i: ended with status $status: $(cat "$WORK/vantrel.log"); the server: $(cat "$WORK/xvfb$i.log")" >&2
    aborts=$((aborts + 1))
  else
    kill "$VANTREL_PID"
    wait "$VANTREL_PID" || true
  fi
  end_child "$XVFB_PID"
done
[ "$aborts" = 0 ] || fail "$aborts of ${STARTS:-20} starts on a fresh server did not show the window"

start_display
# --- 2. A session bus that accepts and never answers --------------------------
python3 -c '
import os, socket, sys
s = socket.socket(socket.AF_UNIX)
s.bind(sys.argv[1]); s.listen(16); held = []
while True: held.append(s.accept()[0])
' "$WORK/silent.sock" &
PIDS+=($!)
wait_until 10 test -S "$WORK/silent.sock" || fail "the silent bus did not start"
start_vantrel DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/silent.sock"
wait_until 10 shown || fail "no window within 10 s on a bus that never answers"
[ "$(grep -c 'session bus does not answer' "$WORK/vantrel.log")" = 1 ] ||
  fail "no line about the silent bus: $(cat "$WORK/vantrel.log")"
kill "$VANTREL_PID"
wait "$VANTREL_PID" || true

# --- 3. No session bus: nothing is started on demand ---------------------------
mkdir -m 700 "$WORK/runtime"
start_vantrel -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$WORK/runtime" "$MARK"
wait_until 10 shown || fail "no window without a session bus"
wmctrl -c Vantrel 2>/dev/null || kill "$VANTREL_PID"
wait_until 10 gone || fail "the program did not end"
left=$(marked_processes)
if [ -n "$left" ]; then
  kill $(echo "$left" | awk '{print $1}') 2>/dev/null || true
  fail "left running after the program ended: $left"
fi

# --- 4. One copy at a time --------------------------------------------------
# A second start brings the first one's minimized window back and ends with
# status 0, without a window of its own; F9 then runs the one copy left.
start_wm start-again
start_vantrel
W=$(wait_for_window Vantrel)
xdotool windowminimize "$W"
wait_until 10 in_state "$W" Iconic || fail "the window did not minimize"
status=0
timeout 30 "$VANTREL" >"$WORK/second.log" 2>&1 || status=$?
[ "$status" = 0 ] || fail "the second start ended with status $status: $(cat "$WORK/second.log")"
wait_until 10 in_state "$W" Normal || fail "the second start did not bring the first window back"
press_f9_until "$W" Iconic
press_f9_until "$W" Normal
echo "ok: ${STARTS:-20} starts on fresh servers, a window on a silent bus, nothing left without a bus, one copy at a time"
