#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine, on an Xvfb display of its own, in the
# prefix $WINEPREFIX (made and set up on first use), and returns its exit code.
# It is the cross build's CMAKE_CROSSCOMPILING_EMULATOR: wine-run.sh PROGRAM [ARGS...]
#
# VANTREL_WINE_BROWSER, when set, is the Unix program that Wine hands web
# addresses to; the tests point it at a recorder so no real browser opens.
if (($# < 1)); then
  echo "usage: wine-run.sh PROGRAM [ARGS...]" >&2
  exit 2
fi
source "$(dirname "$0")/../lib/x11.sh"

export WINEPREFIX="${WINEPREFIX:-$PWD/wine-prefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installers, and no menu entries or file associations
# written to the host's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Every Wine process of the prefix goes with the display it drew on.
trap 'wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; cleanup' EXIT
SCREEN_SIZE=1024x768 start_display

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
  wine wineboot --init >"$WORK/wineboot.log" 2>&1 || { cat "$WORK/wineboot.log" >&2; exit 1; }
  wineserver -w
  touch "$WINEPREFIX/.vantrel-ready"
fi
if [[ "$(cat "$WINEPREFIX/.vantrel-settings" 2>/dev/null)" != "$settings" ]]; then
  printf '%s\n' "$settings" >"$WORK/settings.reg"
  wine reg import "$(winepath -w "$WORK/settings.reg")" >"$WORK/reg.log" 2>&1 \
    || { cat "$WORK/reg.log" >&2; exit 1; }
  wineserver -w
  printf '%s\n' "$settings" >"$WINEPREFIX/.vantrel-settings"
fi
flock -u 9

status=0
wine "$@" || status=$?
exit "$status"
