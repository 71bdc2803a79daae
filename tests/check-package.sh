#!/usr/bin/env bash
# The Debian package the build made in BUILD/package/, unpacked into a temporary folder: lintian finds no error,
# its desktop files are valid, its application folder holds the program and every shipped file byte for byte,
# and it has all else the game needs.
set -uo pipefail
# shellcheck source=tests/lib.sh
. "$(dirname "$0")/lib.sh"
source=$2 id=example.quenrix.trivolo work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
needs desktop-file-validate appstreamcli lintian file
deb=$(echo "$1"/package/trivolo_*.deb) root=$work/root lib=$work/root/usr/lib/trivolo
dpkg-deb -x "$deb" "$root" || exit 1

check "lintian finds no error" lintian --fail-on error "$deb"
check "the desktop entry is valid" test -z "$(desktop-file-validate "$root/usr/share/applications/$id.desktop")"
check "the metainfo is valid" appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
mkdir "$work/shipped" && cp -r "$source"/assets/{app,settings}/. "$work/shipped" || exit 1
check "the application folder holds the shipped files byte for byte, and the program" \
  diff -r -x trivolo -x translations "$lib" "$work/shipped"
check "a compiled catalogue for every language" diff <(ls "$lib/translations") <(ls "$source/translations" | sed 's/ts$/qm/')
exec=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$id.desktop")
check "the desktop entry starts the program" test "$root$exec" -ef "$lib/trivolo"
check "the 48 px icon" grep -q "48 x 48," <(file "$root/usr/share/icons/hicolor/48x48/apps/$id.png")
for relation in Recommends:{xchm,qt6-wayland} Depends:{libqt6widgets6,libcanberra0,libcanberra-pulse,sound-theme-freedesktop} \
                Depends:{qt6-qpa-plugins,qt6-image-formats-plugins,fonts-comic-neue,fonts-liberation2,qt6-translations-l10n}; do
  check "$relation" grep -qE "(^|, )${relation#*:}( |,|$)" <(dpkg-deb -f "$deb" "${relation%%:*}")
done
finish
