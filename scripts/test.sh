#!/usr/bin/env bash
# Sets up, builds and runs every test through CTest. Window tests run offscreen
# or under xvfb-run, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
ctest --output-on-failure -j2 --timeout 600
