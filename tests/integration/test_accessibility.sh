#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader meets it: on a session bus of the test's own
# with the AT-SPI bus and registry, with accessibility switched on the way a
# desktop switches it on, atspi_client.py walks the real program's tree,
# switches pages by the tabs' actions and by the keys, starts a run with the
# Start button's action (a click reaches another X client) and opens the
# About link (the stand-in opener records the address).
source "$(dirname "$0")/../lib/x11.sh"

export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_display --wm

mkfifo "$WORK/bus"
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$WORK/bus" >"$WORK/dbus.log" 2>&1 &
PIDS+=($!)
read -r DBUS_SESSION_BUS_ADDRESS <"$WORK/bus"
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/atspi.log" 2>&1 &
PIDS+=($!)
on_bus() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}
wait_until 30 on_bus org.a11y.Bus || fail "the AT-SPI bus launcher did not start: $(cat "$WORK/atspi.log")"
# Accessibility on, as a desktop with a screen reader has it; Qt reads it at
# start-up (the launcher may already say so).
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
  variant:boolean:true >/dev/null

OPENED=$WORK/opened
make_recorders "$WORK/bin" "$OPENED" xdg-open systemctl loginctl shutdown
start_click_target 240

start_vantrel PATH="$WORK/bin"
window=$(wait_for_window Vantrel)
xdotool windowactivate --sync "$window"

/usr/bin/python3 "$(dirname "$0")/atspi_client.py" "$window" "$WORK/clicks" "$OPENED" ||
  fail "the AT-SPI client failed; the program said: $(cat "$WORK/vantrel.log")"
kill -0 "$VANTREL_PID" || fail "the program ended"
[ "$(grep -c . "$OPENED")" = 1 ] || fail "something other than the link was started: $(cat "$OPENED")"
