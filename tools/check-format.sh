#!/usr/bin/env bash
# Checks that every tracked C++ source follows .clang-format (clang-format 14,
# Debian 12), or with --fix rewrites the ones that do not:
#
#   tools/check-format.sh [--fix] [FILE...]
#
# Without files it takes every tracked .cpp and .h. Exits 1 when a file
# would change, 77 when clang-format 14 is missing (another version formats
# differently).
set -euo pipefail
cd "$(dirname "$0")/.."
fix=0
if [ "${1:-}" = --fix ]; then
  fix=1
  shift
fi

format=
for candidate in clang-format-14 clang-format; do
  if command -v "$candidate" >/dev/null && "$candidate" --version | grep -q 'version 14\.'; then
    format=$candidate
    break
  fi
done
if [ -z "$format" ]; then
  echo "clang-format 14 is not installed (Debian 12 package clang-format)"
  exit 77
fi

if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null ||
                       find . \( -name '*.cpp' -o -name '*.h' \) -not -path './build*' | sed 's|^\./||')
fi

if [ "$fix" -eq 1 ]; then
  "$format" -i --style=file "${files[@]}"
  exit 0
fi
if out=$("$format" --dry-run --Werror --style=file "${files[@]}" 2>&1); then
  echo "clang-format: ${#files[@]} files formatted"
  exit 0
fi
mapfile -t bad < <(printf '%s\n' "$out" | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)
# The first places, with the line as it is.
printf '%s\n' "$out" | head -n 9 || true
echo "${#bad[@]} of ${#files[@]} files are not formatted (tools/check-format.sh --fix rewrites them):"
printf '  %s\n' "${bad[@]}"
exit 1
