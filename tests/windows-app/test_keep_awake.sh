#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A countdown keeps the machine awake: SetThreadExecutionState with
# ES_CONTINUOUS | ES_SYSTEM_REQUIRED at Start, ES_CONTINUOUS alone at Stop
# and at the close, all from one thread, and never while no countdown runs.
# Wine's ntdll notes each call on its warn channel.
source "$(dirname "$0")/lib.sh"

# The calls so far, one "thread state" pair a line.
calls() {
  sed -n 's/^\([0-9a-f]*\):warn:ntdll:NtSetThreadExecutionState (\(0x[0-9a-f]*\),.*/\1 \2/p' \
    "$WORK/vantrel.log"
}
states() { calls | cut -d' ' -f2 | tr '\n' ' '; }
states_are() { [ "$(states)" = "$1" ]; }
wait_states() { wait_until 30 states_are "$1" || fail "execution states: [$(states)], wanted [$1]"; }
HELD=0x80000001 CLEARED=0x80000000

WINEDEBUG=-all,warn+ntdll start_program
probe click 40 304 # the "System" tab
wait_page shutdown wine_page
probe click 410 372 # Start, 1 h 00 min
wait_states "$HELD "
probe click 410 372 # Stop
wait_states "$HELD $CLEARED "
probe click 410 372 # Start again
wait_states "$HELD $CLEARED $HELD "
probe close
wait_states "$HELD $CLEARED $HELD $CLEARED "
(($(calls | cut -d' ' -f1 | sort -u | wc -l) == 1)) || fail "from more than one thread: $(calls)"
wait_state '^main none' >/dev/null
echo "ok: the execution state held from Start to Stop and to the close"
