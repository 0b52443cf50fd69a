#!/usr/bin/env bash
# Starts Vantrel on a display of its own (Xvfb with openbox) and saves a
# picture of its main window, frame included, to docs/screenshot.png.
# Usage: scripts/screenshot.sh [path/to/vantrel] [output.png] [scale]
# A scale of 2 draws the window as on a high-density screen (QT_SCALE_FACTOR).
set -euo pipefail
cd "$(dirname "$0")/.."
vantrel=$(realpath "${1:-build/vantrel}")
output=${2:-docs/screenshot.png}
scale=${3:-1}
[[ "$scale" =~ ^[1-4]$ ]] || { echo "screenshot.sh: scale must be 1 to 4" >&2; exit 1; }
[ -x "$vantrel" ] || { echo "screenshot.sh: no program at $vantrel (run scripts/build.sh)" >&2; exit 1; }

work=$(mktemp -d /tmp/vantrel-shot.XXXXXX)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 "$((1024 * scale))x$((768 * scale))x24" -nolisten tcp 3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r number <"$work/displayfd"
export DISPLAY=":$number"
unset XAUTHORITY
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done

# An empty PATH: nothing the window could start is reachable.
mkdir "$work/bin"
env PATH="$work/bin" QT_SCALE_FACTOR="$scale" "$vantrel" >"$work/vantrel.log" 2>&1 &
pids+=($!)
id=""
for _ in $(seq 200); do
  id=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -n1 || true)
  [ -n "$id" ] && break
  sleep 0.05
done
[ -n "$id" ] || { cat "$work/vantrel.log" >&2; echo "screenshot.sh: the window did not appear" >&2; exit 1; }
# Let the first paint and the window manager's frame settle.
sleep 1
mkdir -p "$(dirname "$output")"
import -display "$DISPLAY" -frame -window "$id" "png:$output"
echo "screenshot.sh: wrote $output"
