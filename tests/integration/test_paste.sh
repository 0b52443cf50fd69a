#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# labels: slow
# 100 pastes of 1 MB into a field of the real program, each over the whole
# text: the resident size must stay bounded, not grow with every paste.
source "$(dirname "$0")/../lib/x11.sh"

make_recorders "$WORK/bin" "$WORK/launched" shutdown systemctl loginctl xdg-open
start_display --wm
start_vantrel PATH="$WORK/bin"
W=$(wait_for_window Vantrel)
head -c 1048576 /dev/zero | tr '\0' 7 | xclip -selection clipboard -loops 0 &
PIDS+=($!)
held() { [ "$(xclip -selection clipboard -o 2>/dev/null | wc -c)" = 1048576 ]; }
wait_until 10 held ||
  fail "the clipboard holds nothing"
resident() { awk '/^VmRSS:/ {print $2}' "/proc/$VANTREL_PID/status"; }
cpu_time() { awk '{print $14 + $15}' "/proc/$VANTREL_PID/stat"; }
# The program has taken every paste sent once it stops using the CPU.
settled() {
  local before
  before=$(cpu_time)
  sleep 0.3
  [ "$(cpu_time)" = "$before" ]
}

xdotool mousemove --window "$W" 300 121 click 1 # Text1
samples=()
for i in $(seq 100); do
  xdotool key ctrl+a ctrl+v
  if [ $((i % 10)) = 0 ]; then
    wait_until 60 settled || fail "the program is still busy after $i pastes"
    samples+=("$(resident)")
  fi
done
kill -0 "$VANTREL_PID" || fail "the program ended"
growth=$(((samples[9] - samples[0]) / 1024))
echo "resident size every 10 pastes (KiB): ${samples[*]}"
[ "$growth" -lt 16 ] || fail "the resident size grew by $growth MiB over 90 pastes"
echo "ok: 100 pastes of 1 MB, resident size grew by $growth MiB after the first 10"
