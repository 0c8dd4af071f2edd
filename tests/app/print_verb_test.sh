#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# `kiva -p FILE` as the desktop's Print action runs it: with a PDF file set up as the printer in
# the profile, the document's picture lands in that file and the program ends with status 0.
#   print_verb_test.sh KIVA KIVA_MKDB CATALOGUE_DIR
set -eu
kiva=$1 mkdb=$2 catalogue=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$mkdb" export NaCl "$dir/salt.mol" --catalogue "$catalogue" >/dev/null
mkdir -p "$dir/config/kiva"
printf '[Printer]\nFile=%s\n' "$dir/salt.pdf" >"$dir/config/kiva/kiva.ini"
XDG_CONFIG_HOME="$dir/config" XDG_RUNTIME_DIR="$dir" QT_QPA_PLATFORM=offscreen timeout 60 "$kiva" -p "$dir/salt.mol"
head -c 5 "$dir/salt.pdf" | grep -q '^%PDF-'
echo "printed $(wc -c <"$dir/salt.pdf") bytes of PDF"
