#!/usr/bin/env bash
# Renders app/resources/facetry.png (the window and 256 px desktop icon) from the polygons
# of app/resources/facetry.svg with ImageMagick, which needs no SVG library for this.
set -euo pipefail
cd "$(dirname "$0")/../app/resources"
draw=()
while IFS='|' read -r points fill; do
  draw+=(-fill "$fill" -draw "polygon $points")
done < <(sed -n 's/.*<polygon points="\([^"]*\)" fill="\([^"]*\)".*/\1|\2/p' facetry.svg)
convert -size 256x256 gradient:'#3a5a8c-#1c2c4a' \
  \( -size 256x256 xc:none -fill white -draw 'roundrectangle 8,8 247,247 36,36' \) \
  -alpha set -compose DstIn -composite -compose Over \
  -stroke white -strokewidth 3 "${draw[@]}" \
  -stroke none -fill white -draw 'circle 112,110 119,110' -depth 8 facetry.png
