#!/usr/bin/env bash
# Installs the build into a scratch folder and checks that desktops find the
# program, its menu entry (with an Arabic and an English name, one main
# category) and its icons, and that Debian finds its manual page, copyright
# file and changelog where the package's checks look for them, and that the
# program is installed as Debian ships programs.
set -euo pipefail
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
fail() { echo "install: $*"; exit 1; }
[ -x "$dest/usr/bin/nabrosa" ] || fail "no program in bin"
# Debian's programs carry no .comment section (the compiler's and linker's
# names): lintian notes one.
if command -v readelf >/dev/null && readelf -S -W "$dest/usr/bin/nabrosa" | grep -qF ' .comment '; then
  fail "the program keeps its .comment section"
fi
entry="$dest/usr/share/applications/nabrosa.desktop"
[ -f "$entry" ] || fail "no menu entry"
grep -q '^Name=Nabrosa$' "$entry" || fail "no English name"
grep -q '^Name\[ar\]=' "$entry" || fail "no Arabic name"
grep -q '^Exec=nabrosa$' "$entry" || fail "menu entry does not start the program"
grep -q '^Icon=nabrosa$' "$entry" || fail "menu entry names no icon"
grep -q '^Categories=Education;Math;$' "$entry" || fail "menu entry is not under Education and Math alone"
for doc in man/man1/nabrosa.1.gz doc/nabrosa/changelog.gz; do
  gzip -t "$dest/usr/share/$doc" 2>/dev/null || fail "no gzipped $doc"
done
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/' \
  "$dest/usr/share/doc/nabrosa/copyright" 2>/dev/null || fail "no copyright file"
[ -f "$dest/usr/share/icons/hicolor/scalable/apps/nabrosa.svg" ] || fail "no scalable icon"
for size in 16 32 48 256; do
  png="$dest/usr/share/icons/hicolor/${size}x${size}/apps/nabrosa.png"
  [ -f "$png" ] || fail "no ${size}px icon"
  head -c 8 "$png" | od -An -tx1 | grep -q '89 50 4e 47' || fail "${size}px icon is not a PNG"
done
echo "install layout ok"
