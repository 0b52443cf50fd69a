#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A one-minute countdown ends by starting the system's shutdown tool, here
# the prefix's system32\shutdown.exe, which is a recorder, with exactly the
# command line "shutdown -s -t 00"; nothing runs before the minute is up.
# Recording shutdown.exe files beside the program and in its current folder
# must never be the one started.
source "$(dirname "$0")/lib.sh"

CALLS="$SYSTEM32/shutdown.log"
rm -f "$CALLS"
mkdir -p "$WORK/app" "$WORK/here"
cp "$VANTREL_EXE" "$WORK/app/vantrel.exe"
for dir in "$WORK/app" "$WORK/here"; do cp "$WINE_TOOLS/recorder.exe" "$dir/shutdown.exe"; done
VANTREL_EXE="$WORK/app/vantrel.exe"
cd "$WORK/here"
start_program
probe click 40 304 # the "System" tab
wait_page shutdown wine_page
probe click 192 161 text 0 click 288 161 text 1 click 410 372 # 0 h 1 min, Start
started=$SECONDS
# The countdown's sentence appears in its place, empty (one colour) before.
sentence_shown() { (($(probe colours 134 209 320 16) > 1)); }
wait_until 30 sentence_shown || fail "the countdown did not start"
[ ! -e "$CALLS" ] || fail "launched at the start: $(cat "$CALLS")"
wait_until 90 test -s "$CALLS" || fail "nothing was launched within 90 s"
elapsed=$((SECONDS - started))
((elapsed >= 55)) || fail "the tool was started after only $elapsed s"
sleep 2
[ "$(cat "$CALLS")" = "shutdown -s -t 00" ] || fail "recorded: $(cat "$CALLS")"
for dir in app here; do
  [ ! -e "$WORK/$dir/shutdown.log" ] || fail "the shutdown.exe in $dir was started"
done
echo "ok: shutdown -s -t 00, once, $elapsed s after Start"
