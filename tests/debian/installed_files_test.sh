#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# What `cmake --install` puts under /usr, which is what the Debian package holds: every program
# with its manual page, the catalogue, the help and the desktop's files, and nothing outside /usr.
#   installed_files_test.sh BUILD_DIR
set -eu
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

status=0
fail() { echo "FAIL: $*"; status=1; }

for file in bin/kiva bin/kiva-render bin/kiva-render-flat bin/kiva-mkdb \
            share/kiva/Molecule.dat share/kiva/Index.dat share/kiva/PhasePoints.dat \
            share/kiva/Catalogue_de.dat share/kiva/Catalogue_fr.dat share/kiva/Catalogue_es.dat \
            share/kiva/Catalogue_pt_BR.dat share/kiva/Catalogue_it.dat \
            share/kiva/help/index.html share/kiva/help/de/index.html share/kiva/help/de/menu_view.html \
            share/kiva/help/fr/index.html share/kiva/help/es/printing.html share/kiva/help/pt_BR/colors.html \
            share/kiva/help/it/measuring.html share/kiva/translations/kiva_de.qm share/kiva/translations/kiva_fr.qm \
            share/kiva/translations/kiva_es.qm share/kiva/translations/kiva_pt_BR.qm share/kiva/translations/kiva_it.qm \
            share/applications/kiva.desktop share/mime/packages/kiva-molecule.xml \
            share/icons/hicolor/scalable/apps/kiva.svg share/metainfo/org.kiva_edu.Kiva.metainfo.xml; do
    [ -s "$root/usr/$file" ] || fail "/usr/$file is not installed"
done
# A package manager installs Kiva; the installer from disks and the disk builder stay out.
for program in setup kiva-mkdisks; do
    [ ! -e "$root/usr/bin/$program" ] || fail "/usr/bin/$program is installed"
done
outside=$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "installed outside /usr: $outside"

# Every program has a manual page that man reads without a warning, as lintian checks it.
for program in "$root"/usr/bin/*; do
    page=man1/$(basename "$program").1
    if [ ! -f "$root/usr/share/man/$page" ]; then
        fail "$(basename "$program") has no manual page"
    elif command -v man >/dev/null; then
        warnings=$(cd "$root/usr/share/man" && LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
            man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$page: $warnings"
    fi
done

# The software centre's data names the installed programs and the types the menu entry opens.
metainfo=$root/usr/share/metainfo/org.kiva_edu.Kiva.metainfo.xml
for binary in $(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo"); do
    [ -x "$root/usr/bin/$binary" ] || fail "the metainfo provides $binary, which is not installed"
done
provided=$(sed -n 's:.*<mediatype>\(.*\)</mediatype>.*:\1:p' "$metainfo" | sort)
opened=$(sed -n 's/^MimeType=//p' "$root/usr/share/applications/kiva.desktop" | tr ';' '\n' | sed '/^$/d' | sort)
[ "$provided" = "$opened" ] || fail "the metainfo's types ($provided) are not the entry's ($opened)"
for type in $opened; do
    grep -q "<mime-type type=\"$type\">" "$root/usr/share/mime/packages/kiva-molecule.xml" ||
        fail "$type is opened but not described in kiva-molecule.xml"
done

[ "$status" -eq 0 ] && echo "the installation holds what the package needs"
exit "$status"
