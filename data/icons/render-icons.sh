#!/usr/bin/env bash
# Renders the committed PNG icons from their SVG sources (needs rsvg-convert, Debian package
# librsvg2-bin). The two smallest sizes come from a simplified drawing that stays legible.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32; do
    rsvg-convert -w "$size" -h "$size" cantrix3-small.svg -o "cantrix3-$size.png"
done
for size in 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" cantrix3.svg -o "cantrix3-$size.png"
done
