# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared helpers for the tests of vantrel.exe under Wine, on top of those of
# the X11 integration tests (a display of the test's own, fail, WORK). The
# environment (set by CMake) names the program, the Win32 test tools and the
# prefix.
: "${VANTREL_EXE:?}" "${WINE_TOOLS:?}" "${WINEPREFIX:?}"
VANTREL=$VANTREL_EXE source "$(dirname "${BASH_SOURCE[0]}")/../integration/lib.sh"

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
wait_state() {
  local state
  for _ in $(seq 100); do
    state=$(probe state) || true
    grep -Eq "$1" <<<"$state" && { echo "$state"; return 0; }
    sleep 0.2
  done
  fail "waited for /$1/; the state is: $state"
}

# Starts the listener window, by default at the right of the screen (clear of
# the main window and its minimized place), or at X Y WIDTH HEIGHT; its log is
# $WORK/clicks.
start_listener() {
  local geometry=("$@")
  ((${#geometry[@]})) || geometry=(940 60 320 900)
  wine "$WINE_TOOLS/winlisten.exe" "Z:$WORK/clicks" "${geometry[@]}" &
  PIDS+=($!)
  for _ in $(seq 100); do grep -q '^ready' "$WORK/clicks" 2>/dev/null && return 0; sleep 0.1; done
  fail "the listener window did not come up"
}

# Waits until the clicker, shutdown or about page ($1) is on show and at
# rest, told by two bands at the pages' right edge, which the page sliding
# in reaches last: the clicker page's "Intervel" band and the shutdown page's
# "Time" band.
wait_page() {
  local bands
  case "$1" in
    clicker) bands='F7F7F7 FFFFFF' ;;
    shutdown) bands='FFFFFF F7F7F7' ;;
    about) bands='FFFFFF FFFFFF' ;;
  esac
  for _ in $(seq 50); do
    [ "$(probe pixel 525 80 pixel 525 115 | tr '\n' ' ')" = "$bands " ] && return 0
    sleep 0.2
  done
  fail "the $1 page did not come: $(probe pixel 525 80 pixel 525 115 | tr '\n' ' ')"
}
downs() { grep -c ' down ' "$WORK/clicks" || true; }

# Presses F9 for 80 ms in another Wine program (keys sent through XTest reach
# Wine only while a Wine window has the X focus) until the probe's state
# matches $1; a press that changed nothing is made again after a pause of
# random length.
wine_f9_until() {
  for _ in $(seq 10); do
    probe f9 80
    for _ in $(seq 6); do
      probe state | grep -Eq "$1" && return 0
      sleep 0.2
    done
    sleep "0.$((RANDOM % 5 + 2))"
  done
  fail "F9 did not bring the state /$1/: $(probe state)"
}
RUNNING='iconic=1 .*working shown=1 rect=0,0,20x20 topmost=1'
STOPPED='iconic=0 .*working shown=0'
