#!/usr/bin/env bash
# The manual page reads in any locale: groff has nothing to say of it for a
# terminal without UTF-8 (ascii) nor with it (utf8), the Arabic words are
# there in Latin letters on the first and in Arabic on the second, and every
# option of the program is in it. Exits 77 (skipped) without groff.
# Usage: manpage.sh PAGE PROGRAM
set -euo pipefail
page=$1 program=$2
command -v groff >/dev/null || { echo "skipped: groff is not installed"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
for device in ascii utf8; do
  said=$(LC_ALL=C groff -man -T"$device" -ww -z "$page" 2>&1) || fail "groff -T$device failed: $said"
  [ -z "$said" ] || fail "groff -T$device: $said"
done
ascii=$(LC_ALL=C groff -man -Tascii -P-c -P-b -P-u "$page" 2>/dev/null)
utf8=$(LC_ALL=C groff -man -Tutf8 -P-c -P-b -P-u "$page" 2>/dev/null)
for words in taqaddumi "hawl al-barnamaj"; do
  grep -qF "$words" <<<"$ascii" || fail "'$words' is not on the page without UTF-8"
done
grep -qF 'تقدمي' <<<"$utf8" || fail "the Arabic words are not on the page with UTF-8"
# Every option --help names, on the page (as groff writes a hyphen: -).
for option in $("$program" --help | grep -oE '(^| )--?[a-z]+' | sort -u); do
  grep -qF -- "$option" <<<"$ascii" || fail "$option is not on the page"
done
echo "ok"
