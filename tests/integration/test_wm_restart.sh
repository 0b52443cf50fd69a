#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# labels: slow
# A window manager that restarts while the main window is minimized takes it
# over iconic. Under openbox (replaced in place) and fluxbox (ended and
# started again), the stop of a run and the countdown's reminder must still
# bring the window back on screen. Both displays run side by side while the
# reminder's minute passes.
source "$(dirname "$0")/../lib/x11.sh"

make_recorders "$WORK/bin" "$WORK/launched" shutdown systemctl loginctl xdg-open
back() { viewable "$1" && in_state "$1" Normal; }
iconic() { ! viewable "$1" && in_state "$1" Iconic; }

# The window a running window manager announces itself with.
wm_check() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '{print $NF}'; }
lists() { xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -qi "$(printf '0x%x' "$1")"; }
# A window manager announces itself on a window of its own; once the one
# before it has gone, X may give the new one the same id.
announced_other_than() {
  local now
  now=$(wm_check)
  case $now in 0x*) ;; *) return 1 ;; esac
  [ "$now" != "$1" ] || [ "${2:-}" = gone ] && exists "$now"
}
exists() { xwininfo -id "$1" >/dev/null 2>&1; }
gone() { ! exists "$1"; }

# Window $1 is a child of the root window again, no window manager's frame.
handed_back() {
  xwininfo -tree -id "$1" 2>/dev/null |
    awk '/Root window id:/ { root = $4 } /Parent window id:/ { parent = $4 } END { exit !root || root != parent }'
}

# Starts window manager $1 on $DISPLAY: openbox replaces one that runs,
# fluxbox is ended and started again. Returns once it has announced itself.
run_wm() {
  local before
  before=$(wm_check)
  case $1 in
    openbox) openbox --sm-disable --replace >>"$WORK/openbox.log" 2>&1 & ;;
    fluxbox)
      # Killed, it could not hand the windows back: the X server would map
      # the iconic one. So it is asked to end, and killed 5 s after it has
      # handed window $2 back (or has not in 10 s): fluxbox on libX11 1.8
      # can hang for ever as it ends, in a call to X that takes the display's
      # lock twice, most often after the handing back. When the kill comes
      # before it, the X server maps the window and restart_wm minimizes it.
      if [ -n "${WM_PID:-}" ]; then
        kill "$WM_PID" 2>/dev/null || true
        wait_until 10 handed_back "$2" || echo "fluxbox: the window was not handed back in 10 s" >&2
        end_child "$WM_PID" 5
      fi
      start_fluxbox "$before" || fail "fluxbox did not start: $(tail -n 5 "$WORK/fluxbox.log")"
      return
      ;;
  esac
  WM_PID=$!
  PIDS+=("$WM_PID")
  wait_until 60 announced_other_than "$before" || fail "$1 did not start"
}

# Starts fluxbox until one announces itself, once the X server has let go of
# the one before, whose announcing window was $1: a new one that finds the
# old one still there ends, and it can hang as it does (the same lock).
start_fluxbox() {
  local try
  case $1 in 0x*) wait_until 10 gone "$1" || echo "fluxbox: the old one's window outlived it by 10 s" >&2 ;; esac
  for try in 1 2 3; do
    fluxbox >>"$WORK/fluxbox.log" 2>&1 &
    WM_PID=$!
    PIDS+=("$WM_PID")
    wait_until 20 announced_or_ended "$1" && ! ended "$WM_PID" && return
    echo "fluxbox: start $try did not announce itself; starting another" >&2
    end_child "$WM_PID" 5
  done
  return 1
}
announced_or_ended() { announced_other_than "$1" gone || ended "$WM_PID"; }

# Restarts the window manager and waits until it holds window $1 again, iconic.
# Openbox maps its windows as it ends, and a loaded new one can take the
# window over as normal: then it is on screen, not lost, so it is minimized
# again and the restart made again.
restart_wm() {
  local try
  for try in 1 2 3 4 5; do
    run_wm "$2" "$1"
    wait_until 20 lists "$1" || fail "$2: the new window manager does not list the window"
    wait_until 10 iconic "$1" && return
    back "$1" || fail "$2: the window is neither iconic nor back after the restart"
    echo "$2: restart $try put the window back on screen; minimizing it again" >&2
    xdotool windowminimize "$1"
    wait_until 10 iconic "$1" || fail "$2: the window did not minimize again"
  done
  fail "$2: no restart left the window iconic"
}

declare -A display window
for wm in openbox fluxbox; do
  WM_PID=
  if [ "$wm" = openbox ]; then start_display --wm; else start_display; run_wm "$wm"; fi
  display[$wm]=$DISPLAY
  start_vantrel PATH="$WORK/bin"
  W=$(wait_for_window Vantrel)
  window[$wm]=$W
  wait_until 20 lists "$W" || fail "$wm does not manage the window"

  # A run minimizes the window; after the restart its stop brings it back.
  press_f9_until "$W" Iconic
  restart_wm "$W" "$wm"
  xdotool keydown F9 sleep 0.15 keyup F9
  wait_until 10 back "$W" || fail "$wm: the stop of a run did not bring the window back"

  # A countdown of 6 minutes reminds after one; minimized by hand, restarted.
  go_to_page "$W" shutdown 40 304
  set_field_at "$W" 189 161 0
  set_field_at "$W" 285 161 6
  click_at "$W" 410 372 # Start
  wait_until 10 shows_sentence "$W" || fail "$wm: the countdown did not start"
  xdotool windowminimize "$W"
  wait_until 10 iconic "$W" || fail "$wm: the window did not minimize"
  restart_wm "$W" "$wm"
done

for wm in openbox fluxbox; do
  DISPLAY=${display[$wm]} wait_until 90 back "${window[$wm]}" ||
    fail "$wm: the reminder did not bring the window back"
done
[ ! -e "$WORK/launched" ] || fail "something was launched: $(cat "$WORK/launched")"
echo "ok: after a window-manager restart the stop and the reminder restore the window (openbox, fluxbox)"
