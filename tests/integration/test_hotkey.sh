#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# F9 pressed through XTest by a separate X client: held for 30, 150 and 600 ms
# or tapped for 20 ms, each press toggles the real program's run exactly once,
# as that client sees from the working indicator showing or hiding; released
# after 150 ms and at once pressed again, it toggles twice. Then on a
# server without XInput 2 (a preloaded library stands for one): one line on
# standard error, and a held F9 still toggles once.
source "$(dirname "$0")/../lib/x11.sh"

# Nothing here launches a program; the fake PATH makes sure of it.
make_recorders "$WORK/bin" "$WORK/launched" shutdown systemctl loginctl xdg-open
start_display --wm

start_vantrel PATH="$WORK/bin"
wait_for_window Vantrel >/dev/null
wrong=$(check_holds 30 150 600 20 150+150)
[ -z "$wrong" ] || fail "a press did not toggle exactly once: $wrong"
stop_vantrel

start_vantrel PATH="$WORK/bin" LD_PRELOAD="$TEST_TOOLS/noxinput2.so" \
  ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0"
wait_for_window Vantrel >/dev/null
wrong=$(check_holds 600)
[ -z "$wrong" ] || fail "without XInput 2, a press did not toggle exactly once: $wrong"
# Besides the line that names the input paths in use, every start's.
lines=$(own_lines "$WORK/vantrel.log")
[ "$(echo "$lines" | grep -c 'XInput 2')" = 1 ] && [ "$(echo "$lines" | wc -l)" = 1 ] ||
  fail "expected one line about XInput 2 on standard error, got: $lines"
[ ! -e "$WORK/launched" ] || fail "a program was launched: $(cat "$WORK/launched")"
echo "ok: one toggle per press, with and without XInput 2"
