#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# F9 on a Wayland desktop whose keyboards cannot be read comes through the
# desktop's GlobalShortcuts portal, here a stand-in on a private session bus:
# the program binds "start-stop" ("Start or stop clicking", F9) at start-up,
# or finds it bound from an earlier start, and each press the desktop
# reports, held or tapped, toggles the run exactly once, a release and a
# press reported back to back included. On an X11 desktop the portal is not asked. Refused, silent
# or absent, the portal leaves F9 to the X key state: one line, and the
# window comes up all the same.
source "$(dirname "$0")/../lib/x11.sh"

make_recorders "$WORK/bin" "$WORK/launched" shutdown systemctl loginctl xdg-open
start_bus "$WORK/session-bus"
start_display --wm
KEYS="$WORK/keys"
mkfifo "$KEYS"
PORTAL_LOG="$WORK/portal.log"

# Starts the portal's stand-in in mode $1 (agree, refuse, silent).
start_portal() {
  : >"$PORTAL_LOG"
  /usr/bin/python3 "$(dirname "$0")/portal_standin.py" "$BUS" "$PORTAL_LOG" "$1" "$KEYS" \
    2>"$WORK/standin.log" &
  PORTAL_PID=$!
  PIDS+=("$PORTAL_PID")
  wait_until 20 grep -qx ready "$PORTAL_LOG" || fail "the portal stand-in did not start: $(cat "$WORK/standin.log")"
}
# Starts the program on a desktop of session type $1 and waits for its window.
start_on() {
  start_vantrel PATH="$WORK/bin" DBUS_SESSION_BUS_ADDRESS="$BUS" XDG_SESSION_TYPE="$1"
  wait_for_window Vantrel >/dev/null
}
f9_line() { grep '^vantrel: clicks through ' "$WORK/vantrel.log" | sed 's/.*; F9 through //'; }
binds() { grep -c '^bind ' "$PORTAL_LOG" || true; }

start_portal agree
start_on x11
[ "$(binds)" = 0 ] || fail "on an X11 desktop the portal was asked: $(cat "$PORTAL_LOG")"
stop_vantrel

start_on wayland
[[ "$(f9_line)" == "the desktop's GlobalShortcuts portal"* ]] || fail "F9 not through the portal: $(f9_line)"
grep -qx 'bind /org/freedesktop/portal/desktop/session/[0-9_]*/[a-z0-9_]* start-stop|Start or stop clicking|F9' \
  "$PORTAL_LOG" && [ "$(binds)" = 1 ] || fail "the shortcut was bound as: $(cat "$PORTAL_LOG")"
wrong=$(check_holds --desktop "$KEYS" 30 600 20 150+150)
[ -z "$wrong" ] || fail "a press the desktop reported did not toggle exactly once: $wrong"
[ -z "$(own_lines "$WORK/vantrel.log")" ] || fail "unexpected lines: $(own_lines "$WORK/vantrel.log")"
stop_vantrel
# Started again, it finds the shortcut the desktop kept and does not ask.
start_on wayland
wrong=$(check_holds --desktop "$KEYS" 150)
[ -z "$wrong" ] && [ "$(binds)" = 1 ] || fail "started again: $wrong; asked $(binds) times in all"
stop_vantrel
end_child "$PORTAL_PID"

# Each way the portal fails: F9 typed into X11 windows still toggles, and
# exactly one line says why.
for mode in refuse silent none; do
  [ "$mode" = none ] || start_portal "$mode"
  start_on wayland
  [[ "$(f9_line)$(own_lines "$WORK/vantrel.log")" == *"the X key state"* ]] ||
    wait_until 10 grep -q "from now on F9 through the X key state" "$WORK/vantrel.log" ||
    fail "$mode: no line says F9 goes through the X key state: $(cat "$WORK/vantrel.log")"
  wrong=$(check_holds 150)
  [ -z "$wrong" ] || fail "$mode: F9 through the X key state did not toggle once: $wrong"
  lines=$(grep -c -v '^QStandardPaths: ' "$WORK/vantrel.log" || true)
  [ "$lines" = "$([ "$mode" = refuse ] && echo 2 || echo 1)" ] ||
    fail "$mode: not one line about F9: $(cat "$WORK/vantrel.log")"
  stop_vantrel
  [ "$mode" = none ] || end_child "$PORTAL_PID"
done
[ ! -e "$WORK/launched" ] || fail "a program was launched: $(cat "$WORK/launched")"
echo "ok: F9 through the portal, one toggle per press; refused, silent or absent, through the X key state"
