#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Redraws the software centre's screenshots in app/desktop/screenshots with kiva-render.
#   tools/authoring/metainfo_screenshots.sh [BUILD_BIN_DIR]     build/bin by default
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
bin=${1:-$top/build/bin}
here=$top/app/desktop/screenshots
"$bin/kiva-render" NaCl --state crystal --multiples 2,2,2 --size 680 -o "$here/rock-salt-crystal.png"
"$bin/kiva-render" Benzene --size 680 -o "$here/benzene.png"
"$bin/kiva-render" Methane --model space --size 680 -o "$here/methane-space-filling.png"
