#!/usr/bin/env bash
# Renders the program icon (quorvane.svg) at the sizes of the hicolor icon
# theme. Needs rsvg-convert (Debian package librsvg2-bin); the PNGs are
# committed, so a build does not need it.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" quorvane.svg -o "quorvane-$size.png"
done
