#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on each kind of Linux session: Wayland only (it starts
# and stays up), Wayland with an X display (it goes to X11, where it stays
# on top), Wayland chosen by the user with an X display (no X error ends it),
# and neither (one line, status 1). The compositor is a headless weston with
# a runtime folder of its own.
source "$(dirname "$0")/../lib/x11.sh"

start_display --wm
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 >"$WORK/weston.log" 2>&1 &
PIDS+=($!)
wait_until 15 test -S "$XDG_RUNTIME_DIR/wayland-test" || fail "weston did not start: $(cat "$WORK/weston.log")"

# Runs the program with the given environment; the client side of its Wayland
# traffic goes to $WORK/vantrel.log.
run() { start_vantrel "$@" WAYLAND_DEBUG=client; }

# The title, then a buffer on a surface: the window was painted.
painted() {
  awk '/set_title\("Vantrel"\)/ { titled = 1 } titled && /wl_surface@[0-9]+\.attach\(wl_buffer/ { found = 1 }
       END { exit !found }' "$WORK/vantrel.log"
}
painted_or_ended() { painted || ended "$VANTREL_PID"; }
# Waits for the main window's first frame on the compositor, then makes sure
# the program outlives it.
expect_wayland_window() {
  wait_until 40 painted_or_ended && painted || fail "$1: no window on the compositor: $(grep -v '^\[' "$WORK/vantrel.log")"
  sleep 2
  kill -0 "$VANTREL_PID" 2>/dev/null || fail "$1: the program ended: $(grep -v '^\[' "$WORK/vantrel.log")"
  kill "$VANTREL_PID"
  wait "$VANTREL_PID" 2>/dev/null || true
}

run -u DISPLAY WAYLAND_DISPLAY=wayland-test
expect_wayland_window "Wayland only"

run QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-test
expect_wayland_window "Wayland chosen with an X display"

run WAYLAND_DISPLAY=wayland-test
main=$(wait_for_window Vantrel)
wait_until 5 net_state "$main" ABOVE || fail "with both, not above other windows on X11"
! grep -q xdg_toplevel "$WORK/vantrel.log" || fail "with both, a window went to the compositor"
kill "$VANTREL_PID"
wait "$VANTREL_PID" 2>/dev/null || true

# Neither: no display at all, and displays that do not answer.
for setting in "-u DISPLAY -u WAYLAND_DISPLAY" "DISPLAY=:$((RANDOM + 40000)) WAYLAND_DISPLAY=none"; do
  status=0
  # shellcheck disable=SC2086 # the setting is a list of env arguments
  env $setting "$VANTREL" >"$WORK/none.log" 2>&1 || status=$?
  [ "$status" = 1 ] || fail "with neither ($setting): status $status, not 1: $(cat "$WORK/none.log")"
  [ "$(wc -l <"$WORK/none.log")" = 1 ] || fail "with neither ($setting), not one line: $(cat "$WORK/none.log")"
done
echo "ok: up on Wayland, X11 when both, status 1 with one line when neither: $(cat "$WORK/none.log")"
