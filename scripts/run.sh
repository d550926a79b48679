#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display found; starting under a virtual X server (xvfb-run)" >&2
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/quorvane "$@"
fi
exec build/bin/quorvane "$@"
