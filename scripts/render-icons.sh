#!/usr/bin/env bash
# Renders the program icon (designer/desktop/icons/org.ombrelo.Ombrelo.svg) into
# the PNG sizes that ship beside it. Run after changing the drawing; needs
# rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../designer/desktop/icons"

name=org.ombrelo.Ombrelo
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$name.svg" -o "hicolor/${size}x${size}/apps/$name.png"
done
echo "Rendered $name.png in $(ls -d hicolor/*/ | wc -l) sizes"
