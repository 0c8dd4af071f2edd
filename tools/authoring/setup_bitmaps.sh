#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Redraws the installer's two bitmaps with kiva-render: a water molecule for the corner of every
# page and a sodium chloride crystal for the welcome page. Needs a build and ImageMagick.
#   tools/authoring/setup_bitmaps.sh [BUILD_BIN_DIR]
set -eu
bin=${1:-build/bin}
out=setup/pages/bitmaps
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bin/kiva-render" H2O --model space --size 680 -o "$work/water.png"
convert "$work/water.png" -crop 676x676+2+2 +repage -trim +repage -resize 40x40 \
    -gravity center -background black -extent 40x40 "$out/setup.png"

"$bin/kiva-render" NaCl --state crystal --model space --size 680 -o "$work/salt.png"
convert "$work/salt.png" -crop 676x676+2+2 +repage -resize 160x160 "$out/welcome.png"
