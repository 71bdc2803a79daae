#!/usr/bin/env bash
# The Debian package, built from this build tree into BUILD/package/ and unpacked in its root/:
# lintian finds no error, its desktop files are valid, and it holds all the game needs.
set -uo pipefail
# shellcheck source=tests/lib.sh
. "$(dirname "$0")/lib.sh"
build=$1 source=$2 id=example.quenrix.trivolo
needs dpkg-shlibdeps desktop-file-validate appstreamcli lintian file
rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null || { echo "cpack failed"; exit 1; }
deb=$(echo "$build"/package/trivolo_*.deb) root=$build/package/root
dpkg-deb -x "$deb" "$root" || exit 1

check "lintian finds no error" lintian --fail-on error "$deb"
check "the desktop entry is valid" test -z "$(desktop-file-validate "$root/usr/share/applications/$id.desktop")"
check "the metainfo is valid" appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
check "the application folder is complete" diff <( (cd "$source/assets/app" && find .; cd "$source/assets/settings" && find . -type f) | sort) \
  <(cd "$root/usr/lib/trivolo" && find . ! -name trivolo | sort)
exec=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$id.desktop")
check "the desktop entry starts the program" test "$root$exec" -ef "$root/usr/lib/trivolo/trivolo"
for size in 16 32 48 64 128 256; do
  check "the $size px icon" grep -q "$size x $size," <(file "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
for relation in Recommends:xchm Depends:{libqt6widgets6,libcanberra0,libcanberra-pulse,sound-theme-freedesktop} \
                Depends:{qt6-qpa-plugins,qt6-image-formats-plugins,fonts-comic-neue,fonts-liberation2}; do
  check "$relation" grep -qE "(^|, )${relation#*:}( |,|$)" <(dpkg-deb -f "$deb" "${relation%%:*}")
done
finish
