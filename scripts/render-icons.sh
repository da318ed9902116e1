#!/usr/bin/env bash
# Renders the program's icon from its SVG into the PNG sizes of the hicolor theme.
# Run after changing resources/icons/hicolor/scalable/apps/veld.svg, then commit the PNGs.
# Needs rsvg-convert (Debian's librsvg2-bin); the build itself does not.
set -euo pipefail
cd "$(dirname "$0")/../resources/icons/hicolor"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" scalable/apps/veld.svg -o "${size}x${size}/apps/veld.png"
done
