#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Every translation source is complete and holds exactly the texts of the code: lupdate, run on a
# copy, changes nothing, and no text is unfinished or left over from code that has gone.
#   translation_files_test.sh LUPDATE SOURCE_DIR
set -eu
lupdate=$1
source=$2
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$source"/translations/*.ts "$copy"/
"$source"/translations/update-ts "$lupdate" "$source" "$copy"

status=0
for language in de fr es pt_BR it; do
    for program in kiva setup; do
        file=${program}_$language.ts
        if [ ! -f "$source/translations/$file" ]; then
            echo "FAIL: translations/$file is missing"
            status=1
            continue
        fi
        if ! cmp -s "$source/translations/$file" "$copy/$file"; then
            echo "FAIL: translations/$file is not up to date with the code (build the target update_translations):"
            diff "$source/translations/$file" "$copy/$file" | head -20
            status=1
        fi
        if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"\|<translation></translation>' "$copy/$file"; then
            echo "FAIL: translations/$file has texts without a translation"
            status=1
        fi
    done
done
[ "$status" -eq 0 ] && echo "every translation is complete and up to date"
exit "$status"
