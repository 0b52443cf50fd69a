#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Vantrel on a display of its own (Xvfb with openbox) and saves a
# picture of its main window, frame included, to docs/screenshot.png.
# Usage: scripts/screenshot.sh [path/to/vantrel] [output.png] [scale] [page]
# A scale of 2 draws the window as on a high-density screen (QT_SCALE_FACTOR);
# page 2 is the shutdown timer, 3 the About page (reached with Ctrl+Tab).
set -euo pipefail
cd "$(dirname "$0")/.."
vantrel=$(realpath "${1:-build/vantrel}")
output=${2:-docs/screenshot.png}
scale=${3:-1}
page=${4:-1}
[[ "$scale" =~ ^[1-4]$ ]] || { echo "screenshot.sh: scale must be 1 to 4" >&2; exit 1; }
[[ "$page" =~ ^[1-3]$ ]] || { echo "screenshot.sh: page must be 1 to 3" >&2; exit 1; }
[ -x "$vantrel" ] || { echo "screenshot.sh: no program at $vantrel (run scripts/build.sh)" >&2; exit 1; }

export VANTREL=$vantrel
SCREEN_SIZE="$((1024 * scale))x$((768 * scale))"
source tests/lib/x11.sh
start_display --wm

# An empty PATH: nothing the window could start is reachable.
mkdir "$WORK/bin"
start_vantrel PATH="$WORK/bin" QT_SCALE_FACTOR="$scale"
id=$(wait_for_window Vantrel) || { cat "$WORK/vantrel.log" >&2; exit 1; }
# Let the first paint and the window manager's frame settle.
sleep 1
xdotool windowactivate --sync "$id"
for _ in $(seq 2 "$page"); do
  xdotool key ctrl+Tab
  sleep 1 # the slide takes a third of a second
done
mkdir -p "$(dirname "$output")"
import -display "$DISPLAY" -frame -window "$id" "png:$output"
echo "screenshot.sh: wrote $output"
