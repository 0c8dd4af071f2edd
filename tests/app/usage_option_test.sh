#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# `kiva --help` and `kiva --version` answer on standard output and end with status 0, before any
# window: they work without a display, and never open a document called "--help".
#   usage_option_test.sh KIVA VERSION
set -eu
kiva=$1 version=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# Without a display a viewer that tried to show a window would fail; with one it would not end.
answer() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$dir" timeout 20 "$kiva" "$@"; }

for asked in --help -h "--help nacl.mol" "-p nacl.mol --help"; do
    # shellcheck disable=SC2086  # the words of a command line
    answer $asked >"$dir/usage" 2>"$dir/errors" || fail "kiva $asked ended with status $?: $(cat "$dir/errors")"
    head -n 1 "$dir/usage" | grep -q '^usage: kiva \[FILE\.\.\.\]$' || fail "kiva $asked printed no usage: $(cat "$dir/usage")"
    for word in ' -p FILE' ' -pt FILE PRINTER' '/p and /pt' ' --handout FILE|NAME -o OUTPUT.pdf' ' --help-topics' ' --version'; do
        grep -qF -- "$word" "$dir/usage" || fail "kiva $asked does not name$word"
    done
    [ ! -s "$dir/errors" ] || fail "kiva $asked wrote to standard error: $(cat "$dir/errors")"
done

answer --version >"$dir/version" 2>"$dir/errors" || fail "kiva --version ended with status $?: $(cat "$dir/errors")"
[ "$(cat "$dir/version")" = "kiva $version" ] || fail "kiva --version printed \"$(cat "$dir/version")\", not \"kiva $version\""
[ ! -s "$dir/errors" ] || fail "kiva --version wrote to standard error: $(cat "$dir/errors")"
echo "kiva --help prints the usage and kiva --version \"kiva $version\", each without a window"
