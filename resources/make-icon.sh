#!/bin/sh
# Draws the 32 x 32 window icon (a palette image of at most 256 colours):
# the window's lavender, an orange card like the labels, and four different
# digits on it. Needs ImageMagick and the Liberation fonts.
set -e
cd "$(dirname "$0")"
convert -size 32x32 xc:'rgb(192,192,255)' \
  -fill 'rgb(255,192,128)' -stroke 'rgb(96,64,32)' -draw 'roundrectangle 2,2 29,29 4,4' \
  -stroke none -fill 'rgb(0,0,128)' -font Liberation-Serif-Bold -pointsize 13 \
  -draw "text 5,15 '12'" -draw "text 5,27 '34'" \
  -fill 'rgb(0,160,0)' -draw 'rectangle 21,5 26,10' \
  -fill 'rgb(255,0,0)' -draw 'rectangle 21,18 26,23' \
  -colors 256 PNG8:distinct-digits.png
