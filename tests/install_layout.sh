#!/usr/bin/env bash
# Installs the build into a scratch folder and checks that desktops find the
# program, its menu entry (with an Arabic and an English name) and its icons.
set -euo pipefail
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
fail() { echo "install: $*"; exit 1; }
[ -x "$dest/usr/bin/nabrosa" ] || fail "no program in bin"
entry="$dest/usr/share/applications/nabrosa.desktop"
[ -f "$entry" ] || fail "no menu entry"
grep -q '^Name=Nabrosa$' "$entry" || fail "no English name"
grep -q '^Name\[ar\]=' "$entry" || fail "no Arabic name"
grep -q '^Exec=nabrosa$' "$entry" || fail "menu entry does not start the program"
grep -q '^Icon=nabrosa$' "$entry" || fail "menu entry names no icon"
[ -f "$dest/usr/share/icons/hicolor/scalable/apps/nabrosa.svg" ] || fail "no scalable icon"
for size in 16 32 48 256; do
  png="$dest/usr/share/icons/hicolor/${size}x${size}/apps/nabrosa.png"
  [ -f "$png" ] || fail "no ${size}px icon"
  head -c 8 "$png" | od -An -tx1 | grep -q '89 50 4e 47' || fail "${size}px icon is not a PNG"
done
echo "install layout ok"
