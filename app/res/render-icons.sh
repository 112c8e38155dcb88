#!/bin/sh
# Renders every icon source in icons/ into a PNG of the same name beside this script.
# Each SVG carries its own pixel size (width/height), so no size is given here.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu

here=$(cd "$(dirname "$0")" && pwd)

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render-icons.sh: rsvg-convert not found; install librsvg2-bin" >&2
    exit 1
fi

for source in "$here"/icons/*.svg; do
    name=$(basename "$source" .svg)
    rsvg-convert --format=png --output="$here/$name.png" "$source"
    echo "$name.png"
done
