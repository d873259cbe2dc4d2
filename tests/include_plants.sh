#!/usr/bin/env bash
# The include check finds each kind of wrong include: planted in a copy of
# the sources, which is then configured only (nothing is built), and checked
# with tools/check-includes.py. Each planted include must be named, and
# nothing else.
# Usage: include_plants.sh SOURCE_DIR CMAKE PYTHON
set -euo pipefail
src=$(cd "$1" && pwd)
cmake=${2:-cmake}
python=${3:-python3}
scratch=$(mktemp -d)
trap 'rm -rf -- "$scratch"' EXIT
copy=$scratch/src
fail() { echo "FAIL: $*" >&2; exit 1; }

# The sources as they are (committed or not), without build folders.
mkdir -p "$copy"
(cd "$src" && { git ls-files -co --exclude-standard 2>/dev/null || find . -type f -not -path './build*' -not -path './.git/*'; } |
  grep -v '^build' | while IFS= read -r f; do [ -f "$f" ] && printf '%s\0' "$f"; done | xargs -0 cp --parents -t "$copy")

# plant FILE LINE: the include LINE put at the top of FILE (made when new).
plant() {
  local file=$copy/$1
  mkdir -p "$(dirname "$file")"
  { printf '%s\n' "$2"; [ ! -f "$file" ] || cat "$file"; } >"$file.new"
  mv "$file.new" "$file"
}

# The worksheet (Qt Gui, no widgets) including a window header.
plant practice/worksheet.cpp '#include "kit/window.h"'
# A new file of the practice core including the application.
plant practice/planted.cpp '#include "app/application.h"'
printf 'target_sources(nabrosa-practice PRIVATE practice/planted.cpp)\n' >>"$copy/CMakeLists.txt"
# A new folder, a library of its own, including the application.
plant teacher/teacher.cpp '#include "app/mainmenu.h"'
plant teacher/teacher.h '#pragma once'
printf 'add_library(nabrosa-teacher teacher/teacher.cpp teacher/teacher.h)\n%s\n' \
  'target_link_libraries(nabrosa-teacher PUBLIC nabrosa-kit)' >>"$copy/CMakeLists.txt"
# A formula including the practice core: a cycle between the libraries.
plant geometry/formulas.cpp '#include "practice/exercises.h"'
# The same wrong way, written so that no pattern of file names sees it.
plant numbers/formulas.cpp '#include "../kit/window.h"'
plant typeset/markup.cpp '#include <kit/window.h>'
# A section's window including another section's.
plant geometry/areas.cpp '#include "algebra/look.h"'
# A formula including a Qt Widgets header through Qt's base include folder.
plant conversions/formulas.cpp '#include <QtWidgets/QWidget>'
# A header that no target lists.
plant kit/unlisted.h '#include "app/application.h"'
plant kit/banner.cpp '#include "kit/unlisted.h"'

# CMake's file API answers a query made before the configuration.
mkdir -p "$scratch/build/.cmake/api/v1/query/client-nabrosa"
: >"$scratch/build/.cmake/api/v1/query/client-nabrosa/codemodel-v2"
"$cmake" -S "$copy" -B "$scratch/build" -G Ninja -DNABROSA_TESTS=OFF -DNABROSA_BENCH=OFF -DNABROSA_PCH=OFF \
  >"$scratch/configure.log" 2>&1 || { cat "$scratch/configure.log"; fail "the copy does not configure"; }

status=0
"$python" "$copy/tools/check-includes.py" "$scratch/build" >"$scratch/found" || status=$?
[ "$status" -eq 1 ] || { cat "$scratch/found"; fail "the check ended with $status, not 1"; }
expected=(
  'practice/worksheet.cpp:1: "kit/window.h": nabrosa-worksheet does not link nabrosa-kit'
  'practice/planted.cpp:1: "app/application.h": nabrosa-practice does not link nabrosa'
  'teacher/teacher.cpp:1: "app/mainmenu.h": nabrosa-teacher does not link nabrosa'
  'geometry/formulas.cpp:1: "practice/exercises.h": nabrosa-formulas does not link nabrosa-practice'
  'numbers/formulas.cpp:1: "../kit/window.h": written with ".."'
  'numbers/formulas.cpp:1: "../kit/window.h": nabrosa-formulas does not link nabrosa-kit'
  'typeset/markup.cpp:1: <kit/window.h>: a header of the project is included in quotes'
  'typeset/markup.cpp:1: <kit/window.h>: nabrosa-typeset does not link nabrosa-kit'
  'geometry/areas.cpp:1: "algebra/look.h": one section'"'"'s window does not include another'"'"'s'
  'conversions/formulas.cpp:1: <QtWidgets/QWidget>: nabrosa-formulas does not link Qt'"'"'s Widgets'
  'kit/banner.cpp:1: "kit/unlisted.h": kit/unlisted.h is in no library'"'"'s sources'
)
for line in "${expected[@]}"; do
  grep -qF "$line" "$scratch/found" || { cat "$scratch/found"; fail "not found: $line"; }
done
# Nothing but the planted lines (and the count).
others=$(grep -vF -f <(printf '%s\n' "${expected[@]}") "$scratch/found" | grep -v 'include(s) against' || true)
[ -z "$others" ] || fail "found more than was planted: $others"
echo "ok: ${#expected[@]} planted includes found"
