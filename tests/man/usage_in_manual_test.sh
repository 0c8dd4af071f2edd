#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# A tool's manual page describes every option and command its --help names, so the page grows
# with the program.
#   usage_in_manual_test.sh PROGRAM PAGE
set -eu
program=$1
page=$2
name=$(basename "$program")
usage=$("$program" --help)
echo "$usage" | grep -q "^usage: $name" || { echo "FAIL: $name --help prints no usage"; exit 1; }

status=0
# Options are words that start with a dash; roff writes a dash as \-.
for option in $(echo "$usage" | grep -oE -- '(^|[][ |])--?[a-z][a-z-]*' | sed 's/^[][ |]*//' | sort -u); do
    escaped=$(printf '%s' "$option" | sed 's/-/\\\\-/g')
    grep -q -- "$escaped" "$page" || { echo "FAIL: $(basename "$page") does not describe $option"; status=1; }
done
# Commands are the lowercase words right after the name; each heads a paragraph of its own.
for command in $(echo "$usage" | sed -n "s/^.*$name \([a-z][a-z]*\).*/\1/p"); do
    grep -q "^\.B[IR]* $command\b" "$page" || { echo "FAIL: $(basename "$page") does not describe $command"; status=1; }
done
[ "$status" -eq 0 ] && echo "$(basename "$page") describes every word of $name --help"
exit "$status"
