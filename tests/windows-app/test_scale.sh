#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# At 100, 125, 150 and 175 % (the prefix's LogPixels 96, 120, 144 and 168)
# the client area grows with the scale and the photograph is drawn. SHOTS=dir
# keeps a picture of the window at each scale.
source "$(dirname "$0")/lib.sh"

set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
    fail "LogPixels $1 did not go in"
}
# The other tests share the prefix: it goes back to 100 %, whatever happens.
trap 'wineserver -k 2>/dev/null || true; set_dpi 96; wineserver -w 2>/dev/null || true; cleanup' EXIT

for row in 96:528x402 120:660x503 144:792x603 168:924x704; do
  dpi=${row%%:*} size=${row#*:}
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  set_dpi "$dpi"
  start_program
  state=$(wait_state "main client=$size at=[0-9]+,[0-9]+ topmost=1 iconic=0 above=Vantrel colours=[0-9]{2,}")
  if [ -n "${SHOTS:-}" ]; then
    at=$(sed 's/.* at=\([0-9]*\),\([0-9]*\) .*/+\1+\2/' <<<"$state")
    import -window root -crop "$size$at" "$SHOTS/windows-$((dpi * 100 / 96)).png"
  fi
done
echo "ok: client areas 528x402, 660x503, 792x603, 924x704 at 96 to 168 dpi"
