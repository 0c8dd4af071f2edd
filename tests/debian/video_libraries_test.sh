#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# The package recommends the Debian packages of the FFmpeg libraries the MP4 writer opens. It opens
# them with dlopen, so dpkg-shlibdeps never sees them, and a new FFmpeg would go unnoticed.
#   video_libraries_test.sh CONTROL SONAME...
set -eu
control=$1
shift
command -v dpkg-query >/dev/null || { echo "no dpkg-query: not a Debian system"; exit 77; }

# The kiva stanza's Recommends, with its continuation lines, as one name a line.
recommended=$(awk '
    /^Package:/ { stanza = $2 }
    /^[^ #]/ { field = $1 }
    stanza == "kiva" && field == "Recommends:" && !/^#/ { sub(/^Recommends:/, ""); print }
' "$control" | tr ',' '\n' | sed 's/([^)]*)//; s/^[[:space:]]*//; s/[[:space:]]*$//' | sed '/^$/d')

status=0
for soname in "$@"; do
    package=$(dpkg-query -S "*/$soname" 2>/dev/null | head -n 1 | cut -d: -f1)
    if [ -z "$package" ]; then
        echo "FAIL: no installed package holds $soname"
        status=1
    elif ! printf '%s\n' "$recommended" | grep -qx "$package"; then
        echo "FAIL: debian/control does not recommend $package, which holds $soname"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "the package recommends every library the MP4 writer opens"
exit "$status"
