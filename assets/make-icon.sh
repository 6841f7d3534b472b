#!/usr/bin/env bash
# Draws the application icon (app.ico): a green pointer with click rings on a dark rounded
# square, in the sizes Windows asks for (16 to 256 pixels). Each size is drawn at 1024 pixels
# and scaled down, so edges stay smooth; the two smallest get a simpler picture that still
# reads at that size. Needs ImageMagick.
#   assets/make-icon.sh [OUT.ico]     (default: app.ico beside this script)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/app.ico}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

charcoal='#1f2326'
edge='#343b40'
green='#6bd433'
darkgreen='#2f6b12'

# A polygon that covers the sector of a circle around (CX,CY) from angle FROM to TO (degrees,
# clockwise from the x axis, as on screen).
sector() {  # sector CX CY FROM TO
  awk -v cx="$1" -v cy="$2" -v from="$3" -v to="$4" 'BEGIN {
    pi = atan2(0, -1); r = 2000; pts = sprintf("%d,%d", cx, cy)
    for (a = from; a < to; a += 15) pts = pts sprintf(" %.1f,%.1f", cx + r * cos(a * pi / 180), cy + r * sin(a * pi / 180))
    pts = pts sprintf(" %.1f,%.1f", cx + r * cos(to * pi / 180), cy + r * sin(to * pi / 180))
    print pts }'
}

# An arc of a ring around (CX,CY), as a layer of its own.
ring() {  # ring CX CY RADIUS WIDTH OPACITY OUT
  local cx=$1 cy=$2 r=$3 w=$4 opacity=$5 file=$6
  convert -size 1024x1024 xc:none -fill none -stroke "$green" -strokewidth "$w" \
    -draw "stroke-opacity $opacity circle $cx,$cy $((cx + r)),$cy" \
    \( -size 1024x1024 xc:none -fill white -draw "polygon $(sector "$cx" "$cy" 140 310)" \) \
    -compose DstIn -composite "$file"
}

# Coordinates are on the 1024 canvas.
draw() {  # draw SIZE DETAILED OUT
  local size=$1 detailed=$2 file=$3
  local pointer
  local -a layers=()
  if [ "$detailed" = yes ]; then
    ring 384 288 230 36 0.5 "$work/outer.png"
    ring 384 288 150 36 0.9 "$work/inner.png"
    layers=("$work/outer.png" -composite "$work/inner.png" -composite)
    pointer="M 384,288 L 384,800 L 504,680 L 584,856 L 672,816 L 592,640 L 760,640 Z"
  else
    ring 352 240 150 60 0.85 "$work/outer.png"
    layers=("$work/outer.png" -composite)
    pointer="M 352,240 L 352,880 L 496,736 L 592,944 L 704,896 L 608,688 L 816,688 Z"
  fi
  convert -size 1024x1024 xc:none \
    -fill "$charcoal" -stroke "$edge" -strokewidth 16 -draw "roundrectangle 40,40 984,984 180,180" \
    "${layers[@]}" \
    -fill "$green" -stroke "$darkgreen" -strokewidth 28 -draw "stroke-linejoin round path '$pointer'" \
    -filter Lanczos -resize "${size}x${size}" -depth 8 "$file"
}

files=()
for size in 16 24 32 48 64 256; do
  if [ "$size" -le 24 ]; then detailed=no; else detailed=yes; fi
  draw "$size" "$detailed" "$work/$size.png"
  files+=("$work/$size.png")
done
convert "${files[@]}" "$out"
echo "wrote $out"
