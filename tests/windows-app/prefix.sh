#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Wine prefix the end-to-end tests share, afresh on every run: no
# state of an earlier run can leak in. In it the system's shutdown tool is the
# recorder (and Wine's own may never stand in for it) and the web browser is
# a recording script: nothing the program launches can shut down or browse.
source "$(dirname "$0")/lib.sh"

rm -rf "$WINEPREFIX"
wine wineboot --init >"$WORK/wineboot.log" 2>&1 || fail "wineboot: $(cat "$WORK/wineboot.log")"
wineserver -w

# Managed=N: with openbox managing Wine's windows, each one takes seconds to
# come and go.
printf '%s\r\n' 'REGEDIT4' '' \
  '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
  '[HKEY_CURRENT_USER\Software\Wine\WineBrowser]' "\"Browsers\"=\"$BROWSER_RECORDER\"" '' \
  '[HKEY_CURRENT_USER\Software\Wine\DllOverrides]' '"shutdown.exe"="native"' '' \
  >"$WORK/settings.reg"
wine regedit /S "Z:$WORK/settings.reg" || fail "the settings did not go in"
wineserver -w
cp "$WINE_TOOLS/recorder.exe" "$SYSTEM32/shutdown.exe"
echo "ok: a fresh prefix in $WINEPREFIX"
