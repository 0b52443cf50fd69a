#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine, on an Xvfb display of its own, in the
# prefix $WINEPREFIX (made and set up on first use), and returns its exit code.
# It is the cross build's CMAKE_CROSSCOMPILING_EMULATOR: wine-run.sh PROGRAM [ARGS...]
#
# VANTREL_WINE_BROWSER, when set, is the Unix program that Wine hands web
# addresses to; the tests point it at a recorder so no real browser opens.
set -euo pipefail

if (($# < 1)); then
  echo "usage: wine-run.sh PROGRAM [ARGS...]" >&2
  exit 2
fi

export WINEPREFIX="${WINEPREFIX:-$PWD/wine-prefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installers, and no menu entries or file associations
# written to the host's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  # Every Wine process of the prefix goes with the display it drew on.
  WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true
  WINEPREFIX="$WINEPREFIX" wineserver -w 2>/dev/null || true
  if [[ -n "$xvfb_pid" ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own; Xvfb writes its number when it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s "$work/display" ]] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
[[ -s "$work/display" ]] || { echo "wine-run: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# The settings every run needs. Managed=N: with no window manager, managed
# windows cost seconds each to create and destroy.
browser="${VANTREL_WINE_BROWSER:-/bin/false}"
settings="$(printf '%s\n' 'REGEDIT4' '' \
  '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
  '[HKEY_CURRENT_USER\Software\Wine\WineBrowser]' "\"Browsers\"=\"$browser\"" '')"

# One run at a time makes or updates the prefix (about 700 MB, 10-15 s).
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [[ ! -f "$WINEPREFIX/.vantrel-ready" ]]; then
  rm -rf "$WINEPREFIX"
  echo "wine-run: creating the Wine prefix $WINEPREFIX" >&2
  wine wineboot --init >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2; exit 1; }
  wineserver -w
  touch "$WINEPREFIX/.vantrel-ready"
fi
if [[ "$(cat "$WINEPREFIX/.vantrel-settings" 2>/dev/null)" != "$settings" ]]; then
  printf '%s\n' "$settings" >"$work/settings.reg"
  wine reg import "$(winepath -w "$work/settings.reg")" >"$work/reg.log" 2>&1 \
    || { cat "$work/reg.log" >&2; exit 1; }
  wineserver -w
  printf '%s\n' "$settings" >"$WINEPREFIX/.vantrel-settings"
fi
flock -u 9

status=0
wine "$@" || status=$?
exit "$status"
