#!/bin/sh
# avvia.sh: sets up and builds what is missing, then starts the program.
set -eu
cd "$(dirname "$0")/.."
./scripts/prepara.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No screen found: starting on a virtual one (xvfb-run)." >&2
  exec xvfb-run -a ./build/tarvolini
fi
exec ./build/tarvolini
