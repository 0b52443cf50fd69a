#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside the test guest, as root, with /tmp/out shared with the host:
# Vantrel under Xvfb with /dev/uinput and the evdev devices at hand. An evdev
# reader records its virtual pointer to pointer.log while F9, tapped on a
# virtual keyboard plugged in after the start, starts a run at "Very Fast"
# and stops it; the host judges the record. Then the key backend on its own
# answers taps, holds with auto-repeat and releases. Last, on a Wayland
# session (sway with a headless output and libinput input), the program runs
# as a Wayland client and a Wayland client under the pointer, wev, receives
# its clicks.
set -euo pipefail
out=/tmp/out
# shellcheck source=/dev/null
source "$out/env" # VANTREL, TEST_TOOLS
exec >"$out/guest.log" 2>&1
source "$out/lib/x11.sh"
WAIT_STEP=0.1 # polls cost the emulated guest dearly
export HOME=/tmp XDG_RUNTIME_DIR=/tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
uptime() { cut -d' ' -f1 /proc/uptime; }
echo "guest script at $(uptime) s of guest time"

# The event node of the input device called $1; false while there is none.
node_of() {
  awk -v name="N: Name=\"$1\"" '$0 == name { found = 1 }
    found && /^H: / { sub(/.*Handlers=/, ""); for (i = 1; i <= NF; i++) if ($i ~ /^event/) print "/dev/input/" $i; exit }' \
    /proc/bus/input/devices | grep .
}

start_display
echo "Xvfb at $(uptime) s"

# The key backend on its own, started before the keyboard is plugged in.
mkfifo /tmp/keystate.in /tmp/keystate.out
"$TEST_TOOLS/keystate" </tmp/keystate.in >/tmp/keystate.out &
exec 5>/tmp/keystate.in 6</tmp/keystate.out
read -r _ <&6

started=$(uptime)
"$VANTREL" >"$out/vantrel.log" 2>&1 &
vantrel=$!
w=$(wait_until 120 window_named Vantrel) || fail "no Vantrel window: $(cat "$out/vantrel.log")"
echo "window $(awk -v a="$(uptime)" -v b="$started" 'BEGIN { print a - b }') s after the start"
wait_until 30 node_of "Vantrel virtual pointer" >/dev/null || fail "no virtual pointer appeared"
"$TEST_TOOLS/evdevwatch" "$(node_of "Vantrel virtual pointer")" >"$out/pointer.log" &
grep -q 'clicks through uinput; F9 through evdev' "$out/vantrel.log" ||
  fail "not on uinput and evdev: $(cat "$out/vantrel.log")"

# "Very Fast" is the last preset: open the list, End, Return.
read -r x y <<<"$(corner "$w")"
vantrel_windows() { [ "$(xdotool search --onlyvisible --class vantrel 2>/dev/null | wc -l)" "$@" ]; }
xdotool mousemove $((x + 216)) $((y + 122)) click 1
wait_until 30 vantrel_windows -gt 1 || fail "the preset list did not open"
xdotool key End Return
wait_until 30 vantrel_windows = 1 || fail "the preset list did not close"

# The keyboard comes after the program: it has to pick it up.
coproc KEYBOARD { "$TEST_TOOLS/vkeyboard"; }
read -r ready <&"${KEYBOARD[0]}"
[ "$ready" = ready ] || fail "vkeyboard did not start"
wait_until 30 node_of vkeyboard >/dev/null || fail "no node for vkeyboard"
node=$(node_of vkeyboard)
holds() { ls -l "/proc/$vantrel/fd" | grep -q " $node\$"; }
wait_until 30 holds || fail "the program did not open the keyboard plugged in later ($node)"

# Left presses in the pointer's record.
CLICK_LOG=$out/pointer.log PRESS=' 1 272 1$'
keyboard() {
  echo "$*" >&"${KEYBOARD[1]}"
  read -r _ <&"${KEYBOARD[0]}"
}
# Taps F9 until clicks flow (running) or stop for $2 seconds (stopped, 2
# unless given); a tap that no poll saw, or one seen twice, is tried again
# after 2.5 times that.
now_ms() { echo $(($(date +%s%N) / 1000000)); }
tap_f9_until() {
  wait_until $((25 * ${2:-2})) f9_tap_gets "$1" "${2:-2}" ||
    fail "F9 did not get the run $1, as $(basename "$CLICK_LOG") sees it"
}
f9_tap_gets() {
  LAST=$(presses)
  keyboard press $((RANDOM % 60 + 60))
  CHANGED=$(now_ms)
  wait_until "$(($2 * 25 / 10)).$(($2 * 25 % 10))" run_is "$@"
}
# Whether the run is $1: a press since LAST (running), none for $2 s (stopped).
run_is() {
  local count
  count=$(presses)
  if [ "$count" != "$LAST" ]; then
    [ "$1" = running ] && return 0
    LAST=$count CHANGED=$(now_ms)
  fi
  [ "$1" = stopped ] && (($(now_ms) - CHANGED > 1000 * $2))
}

tap_f9_until running
wait_until 60 presses_reach 50 || fail "the run stopped after $(presses) clicks"
tap_f9_until stopped
echo "run of $(presses) clicks, started and stopped by F9"

# The right and the middle button reach the virtual pointer as their own
# codes: Combo1 is set from the keyboard (Home, then Down to the item).
buttons() { grep -cE ' 1 27[234] [01]$' "$CLICK_LOG" || true; }
for pick in "273 right Down" "274 middle Down Down"; do
  set -- $pick
  code=$1 name=$2
  shift 2
  xdotool mousemove $((x + 216)) $((y + 306)) click 1
  wait_until 30 vantrel_windows -gt 1 || fail "the button list did not open"
  xdotool key Home "$@" Return
  wait_until 30 vantrel_windows = 1 || fail "the button list did not close"
  PRESS=" 1 $code 1\$"
  before=$(($(buttons) - 2 * $(presses)))
  tap_f9_until running
  wait_until 60 presses_reach 3 || fail "only $(presses) $name presses"
  tap_f9_until stopped
  # Every button event since is a press or a release of this button.
  [ $(($(buttons) - 2 * $(presses))) = "$before" ] || fail "a $name run sent other buttons"
  echo "$name run: $(presses) presses of code $code"
done
kill "$vantrel"
wait "$vantrel" 2>/dev/null || true

# F9's state as the key backend reports it, query by query: a tap between
# two queries, then a hold long enough to auto-repeat, released and pressed
# again before the next query: the poller must see it up first.
query() {
  echo >&5
  read -r state <&6
  echo "$state"
}
expect() {
  local got
  got=$(query)
  [ "$got" = "$1" ] || fail "F9 read $got $2, not $1"
}
query >/dev/null # what the taps above left
expect 0000 "at rest"
keyboard press 30
expect 0001 "after a tap"
expect 0000 "after the tap had been read"
keyboard down
expect 8001 "once down"
sleep 0.7 # the kernel repeats a key held for 250 ms every 33 ms
expect 8000 "while held and repeating"
keyboard up
keyboard down
expect 0000 "released and pressed again since a query found it down"
expect 8001 "at the query after"
keyboard up
expect 0000 "after the release"
echo "key states ok"

# --- Wayland --------------------------------------------------------------
# sway refuses to run as root: it runs as nobody, and udev opens the input
# devices to everyone in this guest.
export SYSTEMD_IGNORE_CHROOT=1 # udevadm would ignore requests from the chroot
mkdir -p /run/udev/rules.d
echo 'SUBSYSTEM=="input", KERNEL=="event*", MODE="0666"' >/run/udev/rules.d/50-guest.rules
# The package's own rules: they have to give /dev/uinput to the user at the seat.
cp "$out"/rules/*.rules /run/udev/rules.d/
/lib/systemd/systemd-udevd --daemon
udevadm trigger --action=add --subsystem-match=input --subsystem-match=misc
udevadm settle --timeout=60
udevadm info /dev/uinput | grep -q '^E: TAGS=.*:uaccess:' ||
  fail "the package's udev rule does not tag /dev/uinput: $(udevadm info /dev/uinput)"
chown nobody:nogroup "$XDG_RUNTIME_DIR"
cat >/tmp/sway.conf <<'CONFIG'
xwayland disable
# wev alone fills the visible workspace, so the pointer is over it.
assign [app_id="vantrel"] workspace 2
CONFIG
setpriv --reuid=nobody --regid=nogroup --clear-groups env SEATD_VTBOUND=0 LIBSEAT_BACKEND=builtin \
  WLR_BACKENDS=headless,libinput WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c /tmp/sway.conf >"$out/sway.log" 2>&1 &
socket() { ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock >/dev/null 2>&1; }
wait_until 60 socket || fail "sway did not start: $(cat "$out/sway.log")"
export SWAYSOCK WAYLAND_DISPLAY
SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock)
WAYLAND_DISPLAY=$(basename "$(ls "$XDG_RUNTIME_DIR"/wayland-? | head -n1)")
unset DISPLAY
mapped() { swaymsg -t get_tree 2>/dev/null | grep -q "\"app_id\": \"$1\""; }
stdbuf -oL wev >"$out/wev.log" 2>&1 &
wait_until 60 mapped wev || fail "wev did not show a window"
"$VANTREL" >"$out/vantrel-wayland.log" 2>&1 &
vantrel=$!
# The app id is the desktop entry's name, so the compositor maps the window to it.
wait_until 120 mapped com.example.vantrel || fail "no Vantrel window on sway: $(cat "$out/vantrel-wayland.log")"
pointer() { swaymsg -t get_inputs 2>/dev/null | grep -q '"name": "Vantrel virtual pointer"'; }
wait_until 30 pointer || fail "sway did not take the virtual pointer"
swaymsg seat seat0 cursor set 640 360 >/dev/null
CLICK_LOG=$out/wev.log PRESS='button: 272 (left), state: 1 (pressed)'
tap_f9_until running
wait_until 30 presses_reach 3 || fail "wev got only $(presses) clicks"
tap_f9_until stopped 3
released=$(grep -c 'button: 272 (left), state: 0 (released)' "$CLICK_LOG" || true)
[ "$released" = "$(presses)" ] || fail "wev got $(presses) presses but $released releases"
echo "on Wayland, wev got $(presses) clicks, started and stopped by F9"
kill "$vantrel"
