#!/usr/bin/env bash
# The Debian package the build made in BUILD/package/: lintian finds no error, its desktop files are valid, its
# application folder holds the program and every shipped file byte for byte, and it has all else the game needs.
set -uo pipefail
# shellcheck source=tests/lib.sh
. "$(dirname "$0")/lib.sh"
needs desktop-file-validate appstreamcli lintian file
unpack_package "$1"
deb=$(echo "$1"/package/trivolo_*.deb) source=$2 id=example.quenrix.trivolo share=$work/usr/share lib=$work/usr/lib/trivolo

check "lintian finds no error" lintian --fail-on error "$deb"
check "the desktop entry is valid" test -z "$(desktop-file-validate "$share/applications/$id.desktop")"
check "the metainfo is valid" appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
mkdir "$work/shipped" && cp -r "$source"/assets/{app,settings}/. "$work/shipped" || exit 1
check "the application folder holds the shipped files byte for byte" diff -r -x trivolo -x translations "$lib" "$work/shipped"
check "a compiled catalogue for every language" diff <(ls "$lib/translations") <(ls "$source/translations" | sed 's/ts$/qm/')
check "the desktop entry starts the program" test "$work$(sed -n 's/^Exec=//p' "$share/applications/$id.desktop")" -ef "$lib/trivolo"
check "the 48 px icon" grep -q "48 x 48," <(file "$share/icons/hicolor/48x48/apps/$id.png")
for relation in Recommends:{xchm,qt6-wayland} Depends:{libqt6widgets6,libcanberra0,libcanberra-pulse,sound-theme-freedesktop} \
                Depends:{qt6-qpa-plugins,qt6-image-formats-plugins,fonts-comic-neue,fonts-liberation2,qt6-translations-l10n}; do
  check "$relation" grep -qE "(^|, )${relation#*:}( |,|$)" <(dpkg-deb -f "$deb" "${relation%%:*}")
done
finish
