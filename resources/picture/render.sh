#!/bin/sh
# Renders the window picture from bottle.pov into bottle.jpg (213 x 198)
# and bottle@2x.jpg (426 x 396), both baseline (non-progressive) JPEG.
# Needs the Debian packages povray and imagemagick.  The build does not
# run this; it uses the committed JPEG files.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

render() {  # render WIDTH HEIGHT OUTPUT.jpg
    povray -D +I"$here/bottle.pov" +O"$work/out.png" +FN +W"$1" +H"$2" \
        +A0.3 +AM2 +R2 +Q9 >"$work/povray.log" 2>&1 ||
        { cat "$work/povray.log" >&2; exit 1; }
    convert "$work/out.png" -strip -colorspace sRGB -type TrueColor \
        -interlace none -quality 90 "$here/$3"
}

render 213 198 bottle.jpg
render 426 396 bottle@2x.jpg
