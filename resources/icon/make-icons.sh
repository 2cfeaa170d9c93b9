#!/bin/sh
# Regenerates the Zavir2 icons in this folder:
#   icon.py                 -> zavir2.svg and zavir2-32.png (the pixel-exact 32 x 32)
#   zavir2.svg              -> hicolor/NxN/zavir2.png for the theme sizes
# Needs /usr/bin/python3 and rsvg-convert (Debian package librsvg2-bin).
# The build does not run this; it uses the committed files.
set -eu

here=$(cd "$(dirname "$0")" && pwd)

/usr/bin/python3 "$here/icon.py"

for n in 16 24 32 48 64 128 256; do
    mkdir -p "$here/hicolor/${n}x${n}"
    rsvg-convert --width "$n" --height "$n" --format png \
        --output "$here/hicolor/${n}x${n}/zavir2.png" "$here/zavir2.svg"
done
