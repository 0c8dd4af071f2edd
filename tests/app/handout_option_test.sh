#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# `kiva --handout` without a display: the handout of a catalogue name or of a file lands whole in
# the PDF file, each with its own facts and the picture at the page's 300 dots an inch; bad input
# gives one message, a failing exit and no file under the output's name.
#   handout_option_test.sh KIVA KIVA_MKDB CATALOGUE_DIR
set -eu
kiva=$1 mkdb=$2 catalogue=$3
command -v pdftotext >/dev/null && command -v pdfimages >/dev/null || { echo "poppler-utils is not installed"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
handout() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$dir" timeout 60 "$kiva" --handout "$@"; }

handout NaCl -o "$dir/salt.pdf" || fail "the handout of NaCl was not written"
pdftotext -layout "$dir/salt.pdf" "$dir/salt.txt"
grep -q "Sodium chloride, NaCl (rock salt)" "$dir/salt.txt" || fail "no description"
grep -Eq "Formula units per cell \(Z\) +4$" "$dir/salt.txt" || fail "no Z = 4"
grep -q "5.6406 Å, 5.6406 Å, 5.6406 Å" "$dir/salt.txt" || fail "no cell edges"
# One image, rendered at the page's own resolution: 300 pixels to the printed inch.
pdfimages -list "$dir/salt.pdf" | awk 'NR > 2 { n++; if ($13 != 300 || $14 != 300) bad = 1 } END { exit !(n == 1 && !bad) }' ||
    fail "the picture is not one image at 300 ppi: $(pdfimages -list "$dir/salt.pdf")"

"$mkdb" export CaCO3 "$dir/calcite.mol" --catalogue "$catalogue" >/dev/null
handout "$dir/calcite.mol" -o "$dir/calcite.pdf" || fail "the handout of a document was not written"
# A document shows what the file gave, as its window does: its substance, not the catalogue's words.
pdftotext "$dir/calcite.pdf" "$dir/calcite.txt"
grep -q "CaCO3" "$dir/calcite.txt" || fail "the document's handout does not name its substance"
if grep -q "Calcium carbonate" "$dir/calcite.txt"; then fail "the document's handout shows the catalogue's description"; fi

expect_failure() {
    target=$1
    shift
    if handout "$@" -o "$target" 2>"$dir/errors"; then fail "$* succeeded"; fi
    [ "$(grep -c "^kiva: " "$dir/errors")" -eq 1 ] || fail "$* gave not one message of its own: $(cat "$dir/errors")"
}
expect_failure "$dir/no/such/folder/sheet.pdf" NaCl
[ ! -e "$dir/no" ] || fail "a folder was made for the output"
echo "the old sheet" >"$dir/old.pdf"
expect_failure "$dir/old.pdf" "No such substance"
[ "$(cat "$dir/old.pdf")" = "the old sheet" ] || fail "a failed handout touched the file that was there"
mkdir "$dir/folder.pdf"
expect_failure "$dir/folder.pdf" NaCl
echo "not a structure" >"$dir/bad.cif"
expect_failure "$dir/bad.pdf" "$dir/bad.cif"
[ ! -e "$dir/bad.pdf" ] || fail "an unreadable file left a PDF"
ls -a "$dir" | grep -q '\.part$' && fail "a temporary file was left behind"
echo "the handouts are whole PDF files, and failures leave none"
