#!/usr/bin/env bash
# Sets up the machine, builds Vantrel and starts it on the current display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ]; then
  echo "run.sh: no DISPLAY is set; start Vantrel from a desktop session" >&2
  exit 1
fi
exec ./build/vantrel
