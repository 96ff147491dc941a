#!/usr/bin/env bash
# Renders the program's icon, data/icons/vespra.svg, into the PNG sizes that are installed
# beside it and built into the program as its window icon. Run after changing the drawing
# and commit the PNGs; needs rsvg-convert (Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" vespra.svg -o "hicolor/${size}x${size}/apps/vespra.png"
done
