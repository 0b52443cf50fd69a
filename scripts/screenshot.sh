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

export VANTREL=$vantrel
SCREEN_SIZE="$((1024 * scale))x$((768 * scale))"
source tests/integration/lib.sh
start_display --wm

# An empty PATH: nothing the window could start is reachable.
mkdir "$WORK/bin"
start_vantrel PATH="$WORK/bin" QT_SCALE_FACTOR="$scale"
id=$(wait_for_window Vantrel) || { cat "$WORK/vantrel.log" >&2; exit 1; }
# Let the first paint and the window manager's frame settle.
sleep 1
mkdir -p "$(dirname "$output")"
import -display "$DISPLAY" -frame -window "$id" "png:$output"
echo "screenshot.sh: wrote $output"
