#!/usr/bin/env bash
# Renders the committed PNG icons from their sources:
#   tamsoret-16.xpm  the 16 x 16 picture, drawn pixel by pixel
#   tamsoret.svg     everything from 32 x 32 up
# Needs ImageMagick's convert and, for SVG, rsvg-convert (librsvg2-bin).
# Run it after changing either source and commit the PNGs it writes.
set -euo pipefail
cd "$(dirname "$0")"

# No time stamps in the files, so that an unchanged picture gives an unchanged file.
# shellcheck disable=SC2054 # the commas belong to one ImageMagick option
png_opts=(-strip -define png:exclude-chunks=date,time)

convert tamsoret-16.xpm "${png_opts[@]}" PNG32:tamsoret-16.png

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 32 48 64 128 256; do
  # convert hands SVG to rsvg-convert, which draws at the size the file declares; declaring the
  # target size draws each icon from the vectors instead of scaling down a large bitmap.
  sed -e "0,/width=\"256\" height=\"256\"/s//width=\"$size\" height=\"$size\"/" tamsoret.svg >"$tmp/$size.svg"
  convert -background none "$tmp/$size.svg" "${png_opts[@]}" PNG32:"tamsoret-$size.png"
done
