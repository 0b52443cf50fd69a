# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared helpers for the tests of vantrel.exe under Wine, on top of the
# shared test library (a display of the test's own, fail, WORK, waits). The
# environment (set by CMake) names the program, the Win32 test tools and the
# prefix.
: "${VANTREL_EXE:?}" "${WINE_TOOLS:?}" "${WINEPREFIX:?}"
source "$(dirname "${BASH_SOURCE[0]}")/../lib/x11.sh"
# Each probe is a Wine program of its own: one every 0.2 s is enough. The
# listener logs each button's press as a "down" line.
WAIT_STEP=0.2 PRESS=' down '

export WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installers and no menu entries written to the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;shutdown.exe=n"
SYSTEM32="$WINEPREFIX/drive_c/windows/system32"

# Every Wine process of the prefix goes with the display it drew on: each
# test has a display and window manager of its own, and a Wine server.
trap 'wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; cleanup' EXIT
wineserver -k 2>/dev/null || true
start_display --wm

# A probe that fails says so (Wine itself prints nothing here), so that a test
# stopped by it is not a silent one.
probe() {
  local status=0
  wine "$WINE_TOOLS/winprobe.exe" "$@" || status=$?
  ((status == 0)) || echo "winprobe $* ended with status $status" >&2
  return "$status"
}

# Starts vantrel.exe and waits until its window is the foreground window,
# which keys typed by the probe go to.
start_program() {
  wine "$VANTREL_EXE" >"$WORK/vantrel.log" 2>&1 &
  PIDS+=($!)
  wait_state 'main client=.* active=1' >/dev/null
}

# Waits until the probe's state line matches the extended regular expression
# $1; prints that line.
wait_state() { wait_until 60 state_is "$1" || fail "waited for /$1/; the state is: $(probe state)"; }
state_is() { probe state | grep -E "$1"; }

# Starts the listener window, by default at the right of the screen (clear of
# the main window and its minimized place), or at X Y WIDTH HEIGHT; its log is
# $WORK/clicks.
start_listener() {
  local geometry=("$@")
  ((${#geometry[@]})) || geometry=(940 60 320 900)
  wine "$WINE_TOOLS/winlisten.exe" "Z:$WORK/clicks" "${geometry[@]}" &
  PIDS+=($!)
  wait_until 20 grep -q '^ready' "$WORK/clicks" 2>/dev/null || fail "the listener window did not come up"
}

# The page on show and at rest (wait_page $1 wine_page), told by the two
# bands at the pages' right edge, which the page sliding in reaches last.
wine_page() { page_of $(probe pixel 525 80 pixel 525 115); }

# Presses F9 for 80 ms in another Wine program (keys sent through XTest reach
# Wine only while a Wine window has the X focus) until the probe's state
# matches $1; a press that changed nothing is made again after a pause of
# random length.
wine_f9_until() { wait_until 60 wine_f9_brings "$1" || fail "F9 did not bring the state /$1/: $(probe state)"; }
wine_f9_brings() {
  probe f9 80
  wait_until 5 state_is "$1" >/dev/null && return 0
  sleep "0.$((RANDOM % 5 + 2))"
  return 1
}
RUNNING='iconic=1 .*working shown=1 rect=0,0,20x20 topmost=1'
STOPPED='iconic=0 .*working shown=0'
