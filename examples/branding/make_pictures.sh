#!/usr/bin/env bash
# Draws the sample banners and the icon of this branding sample with
# ImageMagick. Run it here to make them again.
set -euo pipefail
cd "$(dirname "$0")"
font=Liberation-Sans-Bold

# dbimg1.dat: an animated GIF banner, 468 x 60, five frames.
frames=()
for i in 0 1 2 3 4; do
  x=$((10 + i * 18))
  convert -size 468x60 gradient:'#1f4e79'-'#2e86c1' \
    -fill '#f5b041' -draw "circle $((x + 14)),30 $((x + 14)),16" \
    -font "$font" -pointsize 22 -fill white -annotate +120+38 'Plan it. Ship it. Sell it.' \
    "/tmp/branding-frame-$i.gif"
  frames+=("/tmp/branding-frame-$i.gif")
done
convert -delay 40 -loop 0 "${frames[@]}" -layers Optimize dbimg1.dat.gif
mv dbimg1.dat.gif dbimg1.dat
rm -f "${frames[@]}"

# dbimg2.dat: a still JPEG banner, 468 x 60.
convert -size 468x60 gradient:'#145a32'-'#27ae60' \
  -font "$font" -pointsize 24 -fill white -annotate +18+39 'Marketing Planner: every task in view' \
  -quality 90 jpeg:dbimg2.dat

# planner.ico: the application icon, a green book on a light square.
convert -size 64x64 xc:none -fill '#fdfefe' -draw 'roundrectangle 2,2 61,61 10,10' \
  -fill '#27ae60' -draw 'roundrectangle 14,10 50,54 4,4' \
  -fill '#1e8449' -draw 'rectangle 14,10 20,54' \
  -fill white -draw 'rectangle 26,20 44,23' -draw 'rectangle 26,28 40,31' \
  -define icon:auto-resize=64,32,16 planner.ico
