#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# vantrel.exe under Wine: the window "Vantrel" with a client area of 528 x 402
# draws its corner photograph (the JPEG plugin is linked in) and shows no
# working window before a run. The executable carries its per-monitor DPI
# manifest and its version record. It stays on top of another application's
# window shown later over its place, and a second copy started while it is
# minimized brings it back to the front and ends.
source "$(dirname "$0")/lib.sh"

start_program
probe resources "Z:$VANTREL_EXE" >"$WORK/resources"
grep -q '<dpiAwareness[^>]*>PerMonitorV2' "$WORK/resources" ||
  fail "no per-monitor DPI awareness in the manifest: $(cat "$WORK/resources")"
grep -qx 'FileVersion=1.05.0001' "$WORK/resources" || fail "version record: $(cat "$WORK/resources")"

# The photograph has hundreds of colours; a picture that failed to load, a
# plain fill, has one.
state=$(wait_state 'main client=528x402 at=[0-9]+,[0-9]+ topmost=1 iconic=0 above=Vantrel colours=[0-9]{2,}')
grep -q 'working shown=0' <<<"$state" || fail "a working window shows before any run: $state"

# Another application's window shown later over the whole of it stays below
# it in the system's order of windows. (Wine with Managed=N does not restack
# the X windows to match, so the screen itself shows the later one.)
start_listener 200 150 880 700
state=$(probe state)
grep -q 'topmost=1 iconic=0 above=Vantrel' <<<"$state" || fail "covered by a later window: $state"
probe minimize
wait_state 'main client=.* iconic=1' >/dev/null
status=0
timeout 60 wine "$VANTREL_EXE" >"$WORK/second.log" 2>&1 || status=$?
[ "$status" = 0 ] || fail "the second copy ended with status $status: $(cat "$WORK/second.log")"
state=$(wait_state 'main client=528x402 .* iconic=0 .* active=1')
echo "ok: $state"
