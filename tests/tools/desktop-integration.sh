#!/bin/bash
# Installs into a scratch prefix and checks what a desktop reads: the
# desktop entry, the AppStream data, the icons and the sample anthology.
set -eu
BUILD="$1"
PREFIX=$(mktemp -d)
trap 'rm -rf "$PREFIX"' EXIT
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
desktop-file-validate "$PREFIX/share/applications/org.versilo.Versilo.desktop"
appstreamcli validate --no-net "$PREFIX/share/metainfo/org.versilo.Versilo.metainfo.xml" >/dev/null
for size in 16 32 48 64 128 256; do
  test -s "$PREFIX/share/icons/hicolor/${size}x${size}/apps/org.versilo.Versilo.png"
done
test -s "$PREFIX/share/icons/hicolor/scalable/apps/org.versilo.Versilo.svg"
test -x "$PREFIX/bin/versilo" -a -x "$PREFIX/bin/versilo-launch" -a -x "$PREFIX/bin/versilo-tool"
test "$(ls "$PREFIX/share/versilo/anthology" | wc -l)" -eq 7
echo "desktop integration: all checks passed"
