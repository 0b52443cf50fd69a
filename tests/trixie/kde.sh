#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by tests/trixie/run.sh inside the Debian 13 root: a headless KDE Plasma
# session (kwin_wayland --virtual, its GlobalShortcuts portal) on private
# buses, with no keyboard in /dev/input and no X display. The real program,
# built there against Qt 6.8, runs as a Wayland client; F9, pressed through
# KWin's fake input while another Wayland client has the focus, starts and
# stops a run once per press, held or tapped, as the working indicator
# showing and hiding in KWin's window list says. Started again, it finds its
# shortcut kept and the desktop is not asked again. Whatever the desktop
# would open (its shortcut settings, a browser) goes to a recorder. Through
# Xwayland, the stop of a run brings the minimized window back.
source /src/tests/lib/x11.sh
VANTREL=/src/build-trixie/vantrel
[ -x "$VANTREL" ] || fail "no $VANTREL: tests/trixie/in-root.sh builds it"

if [ "${1:-}" != --session ]; then
  mkdir -p /run/dbus
  dbus-daemon --system --fork --nopidfile
  export DBUS_SYSTEM_BUS_ADDRESS=unix:path=/run/dbus/system_bus_socket
  export XDG_RUNTIME_DIR=/run/user/0
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  exec dbus-run-session -- bash "$0" --session
fi

unset DISPLAY
export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-0
BIN="$WORK/bin"
make_recorders "$BIN" "$WORK/opened" xdg-open kde-open kde-open5 kfmclient systemsettings browser
export PATH="$BIN:$PATH" DEFAULT_BROWSER="$BIN/browser" BROWSER="$BIN/browser"

# KWin offers fake input only to a program an application entry names; the
# desktop's index of entries needs a menu (a full Plasma brings one).
mkdir -p /etc/xdg/menus /root/.local/share/applications
cat >/etc/xdg/menus/applications.menu <<'MENU'
<!DOCTYPE Menu PUBLIC "-//freedesktop//DTD Menu 1.0//EN" "http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd">
<Menu><Name>Applications</Name><DefaultAppDirs/><Include><All/></Include></Menu>
MENU
cd "$WORK"
protocol=/usr/share/plasma-wayland-protocols/fake-input.xml
wayland-scanner client-header "$protocol" fake-input-client-protocol.h
wayland-scanner private-code "$protocol" fake-input-protocol.c
gcc -O1 -Wall -Wextra -Werror -I. -o fakekey /src/tests/trixie/fakekey.c fake-input-protocol.c -lwayland-client
printf '[Desktop Entry]\nType=Application\nName=Key presser\nExec=%s\nX-KDE-Wayland-Interfaces=org_kde_kwin_fake_input\n' \
  "$WORK/fakekey" >/root/.local/share/applications/vantrel-test-fakekey.desktop

# The portal takes its backend, and PATH, from the bus's activation
# environment: it must be there before kwin starts the portal.
dbus-update-activation-environment XDG_CURRENT_DESKTOP XDG_SESSION_TYPE WAYLAND_DISPLAY \
  XDG_RUNTIME_DIR PATH DEFAULT_BROWSER BROWSER QT_QPA_PLATFORM=wayland
# With Xwayland (its sockets' folder must exist), whose display KWin tells
# only the programs it starts.
printf '#!/bin/sh\necho "$DISPLAY $XAUTHORITY" >%s\nexec sleep infinity\n' "$WORK/xwayland" >"$WORK/tell-display"
chmod +x "$WORK/tell-display"
mkdir -p -m 1777 /tmp/.X11-unix
QT_QPA_PLATFORM=wayland QT_LOGGING_RULES="js.debug=true" kwin_wayland --virtual --no-lockscreen \
  --width 1280 --height 1024 --xwayland "$WORK/tell-display" >"$WORK/kwin.log" 2>&1 &
PIDS+=($!)
portal_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.portal.Desktop /org/freedesktop/portal/desktop \
    org.freedesktop.DBus.Properties.Get string:org.freedesktop.portal.GlobalShortcuts string:version >/dev/null 2>&1
}
wait_until 60 portal_up || fail "no GlobalShortcuts portal: $(tail -n 20 "$WORK/kwin.log")"
# What the desktop tells applications of their shortcuts, for the failures.
dbus-monitor --session "type='signal',interface='org.freedesktop.portal.GlobalShortcuts'" >"$WORK/signals" 2>&1 &
PIDS+=($!)
signals() { grep -o 'time=[0-9.]* .*member=[A-Za-z]*' "$WORK/signals" | sed 's/ sender.*member=/ /' | tr '\n' ' '; }

# KWin's windows, a line each: "<pid> <caption>", "active" after the one with
# the focus; through a script KWin runs, which prints into its log.
# (Often called in a subshell: the clock makes each script's name its own.)
windows() {
  local tag="list${EPOCHREALTIME/[.,]/}" id
  cat >"$WORK/$tag.js" <<JS
for (const w of workspace.windowList())
  print("$tag", w.pid, w.caption, "active=" + (w === workspace.activeWindow), "minimized=" + w.minimized, "hidden=" + w.hidden);
print("$tag end");
JS
  id=$(dbus-send --session --print-reply=literal --dest=org.kde.KWin /Scripting \
    org.kde.kwin.Scripting.loadScript string:"$WORK/$tag.js" string:"$tag" | awk '{print $2}')
  dbus-send --session --print-reply --dest=org.kde.KWin "/Scripting/Script$id" org.kde.kwin.Script.run >/dev/null
  wait_until 10 grep -q "$tag end" "$WORK/kwin.log" || fail "KWin did not list its windows"
  dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
    org.kde.kwin.Scripting.unloadScript string:"$tag" >/dev/null
  grep "js: $tag " "$WORK/kwin.log" | grep -v "$tag end" | sed "s/.*js: $tag //"
}
has_window() { windows | grep -q -- "$1"; }
no_window() { ! has_window "$1"; }

start_program() {
  "$VANTREL" >"$WORK/vantrel.log" 2>&1 &
  VANTREL_PID=$!
  PIDS+=($!)
  wait_until 30 has_window "^$VANTREL_PID Vantrel" || fail "no Vantrel window: $(cat "$WORK/vantrel.log")"
  grep -q "F9 through the desktop's GlobalShortcuts portal" "$WORK/vantrel.log" ||
    fail "F9 not through the portal: $(cat "$WORK/vantrel.log")"
  # Another Wayland application has the focus, as the user's would.
  weston-simple-shm >/dev/null 2>&1 &
  FOCUS_PID=$!
  PIDS+=($!)
  wait_until 20 has_window "^$FOCUS_PID .* active=true" || fail "the other application did not get the focus: $(windows)"
}
stop_program() {
  end_child "$FOCUS_PID"
  stop_vantrel
}
# F9 (evdev 67) held for $1 ms; the run is then on ($2 = on) or off.
press_f9() {
  "$WORK/fakekey" 67 "$1" || fail "fakekey failed ($?)"
  if [ "$2" = on ]; then
    wait_until 10 has_window "^$VANTREL_PID working" || fail "F9 held $1 ms started no run: $(windows); signals: $(signals)"
  else
    wait_until 10 no_window "^$VANTREL_PID working" || fail "F9 held $1 ms did not stop the run: $(windows); signals: $(signals); the program said: $(cat "$WORK/vantrel.log")"
  fi
}

start_program
# Held past the desktop's auto-repeat, which repeats Activated: still one
# press. A second toggle would come within two polls of the release.
press_f9 900 on
sleep 1
has_window "^$VANTREL_PID working" || fail "F9 held 900 ms toggled the run twice"
press_f9 40 off
asked=$(wc -l <"$WORK/opened" 2>/dev/null || echo 0)
echo "trixie: KDE asked to open at the first start: $(cat "$WORK/opened" 2>/dev/null || echo nothing)"
stop_program

start_program
press_f9 150 on
press_f9 150 off
[ "$(wc -l <"$WORK/opened" 2>/dev/null || echo 0)" = "$asked" ] ||
  fail "started again, the desktop was asked again: $(cat "$WORK/opened")"
stop_program

# An X client of KWin's own window manager, through Xwayland: a run
# minimizes the window, and the F9 that stops it brings it back.
wait_until 30 grep -q "^:" "$WORK/xwayland" || fail "KWin started no Xwayland: $(tail -n 20 "$WORK/kwin.log")"
read -r xdisplay xauthority <"$WORK/xwayland"
DISPLAY=$xdisplay XAUTHORITY=$xauthority QT_QPA_PLATFORM=xcb start_program
press_f9 150 on
wait_until 10 has_window "^$VANTREL_PID Vantrel .* minimized=true" || fail "the run did not minimize the window: $(windows)"
press_f9 150 off
wait_until 10 has_window "^$VANTREL_PID Vantrel .* minimized=false hidden=false" ||
  fail "through Xwayland, the stop did not bring the window back: $(windows)"
stop_program
echo "ok: on KDE Plasma $(dpkg-query -W -f='${Version}' kwin-wayland), F9 through the portal toggles once per press, held or tapped, from another Wayland application; through Xwayland the stop brings the window back"
