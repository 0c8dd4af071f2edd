#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# kiva-mkdb build refuses a phase table that lacks a substance, names one the catalogue lacks or
# has a bad row: a failing exit, a message naming the fault, and no catalogue file written; a
# refused build leaves the files of the last good one as they were.
#   phase_table_build_test.sh KIVA_MKDB FIXTURE_CATALOGUE_DIR
set -eu
mkdb=$1 fixture=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
cp -r "$fixture" "$dir/data"
header='name	melting_K	boiling_K	note	source'
table() { printf '%s\n' "$header" "$@" >"$dir/data/phase_points.tsv"; }

# refused OUT MESSAGE: the build into OUT fails, says MESSAGE and writes nothing there.
refused() {
    out=$1 message=$2
    if "$mkdb" build "$dir/data" "$out" 2>"$dir/errors"; then fail "a build succeeded where it should say: $message"; fi
    grep -qF -- "$message" "$dir/errors" || fail "the message is not \"$message\": $(cat "$dir/errors")"
    [ ! -e "$out/PhasePoints.dat" ] || fail "a refused build wrote PhasePoints.dat ($message)"
    [ ! -e "$out/Molecule.dat" ] || fail "a refused build wrote Molecule.dat ($message)"
}

table 'water	273.15	373.15		CRC'
refused "$dir/out1" "substances of the index without a row: Salt"
table 'water	273.15	373.15		CRC' 'Salt	1074	1738		CRC' 'Brine	250	380		CRC'
refused "$dir/out2" "rows for names the index lacks: Brine"
table 'water	273.15	373.15		CRC' 'Salt	1738	1074		CRC'
refused "$dir/out3" "phase_points.tsv: line 3: the melting point 1738 K is not below the boiling point 1074 K"

table 'water	273.15	373.15		CRC' 'Salt	1074	1738		CRC'
"$mkdb" build "$dir/data" "$dir/good" 2>"$dir/errors" || fail "a sound table was refused: $(cat "$dir/errors")"
grep -q '^Salt	1074	1738	$' "$dir/good/PhasePoints.dat" || fail "PhasePoints.dat lacks Salt's row: $(cat "$dir/good/PhasePoints.dat")"
cp "$dir/good/PhasePoints.dat" "$dir/good.dat"
table 'water	273.15	373.15		CRC' 'Salt	1074	1738	boils	CRC'
if "$mkdb" build "$dir/data" "$dir/good" 2>"$dir/errors"; then fail "an unknown note was taken"; fi
grep -q 'line 3: unknown note "boils"' "$dir/errors" || fail "the message is: $(cat "$dir/errors")"
cmp -s "$dir/good/PhasePoints.dat" "$dir/good.dat" || fail "a refused build changed the last good PhasePoints.dat"
[ -z "$(ls "$dir/good" | grep -v '\.dat$')" ] || fail "a temporary file was left behind: $(ls "$dir/good")"
echo "kiva-mkdb refuses each bad phase table and writes nothing"
