#!/usr/bin/env bash
# Runs clang-tidy (the checks of .clang-tidy) on the C++ sources changed since
# this branch left main, or on all of them:
#
#   tools/check-tidy.sh [--all] [--base REF] [--build DIR]
#
# The changed sources are those that differ from the merge base of HEAD and
# main (committed or not), and the sources that include a changed header.
# Without a main branch (a bare copy of the sources) every source is checked.
# The compile commands come from a configuration of its own without
# precompiled headers (DIR, by default build-tidy/, as the tidy preset makes
# it); only the moc files are generated there, nothing is compiled. Exits 1 on any
# finding, 77 when clang-tidy 14 is missing.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
cd "$src"
all=0 base= build="$src/build-tidy"
while [ $# -gt 0 ]; do
  case $1 in
    --all) all=1 ;;
    --base) base=$2; shift ;;
    --build) build=$2; shift ;;
    *) echo "usage: $0 [--all] [--base REF] [--build DIR]" >&2; exit 2 ;;
  esac
  shift
done

tidy=$(command -v clang-tidy-14 || command -v clang-tidy || true)
if [ -z "$tidy" ]; then
  echo "clang-tidy is not installed (Debian package clang-tidy)"
  exit 77
fi

# The sources to check, as paths from the top folder.
if [ "$all" -eq 0 ] && [ -z "$base" ] && git rev-parse --git-dir >/dev/null 2>&1; then
  for ref in main origin/main; do
    if git rev-parse -q --verify "$ref^{commit}" >/dev/null; then
      base=$(git merge-base HEAD "$ref")
      break
    fi
  done
fi
if [ "$all" -eq 1 ] || [ -z "$base" ]; then
  mapfile -t wanted < <(git ls-files '*.cpp' 2>/dev/null || find . -name '*.cpp' -not -path './build*' | sed 's|^\./||')
else
  mapfile -t queue < <(git diff --name-only --diff-filter=d "$base" -- '*.cpp' '*.h'; git ls-files --others --exclude-standard -- '*.cpp' '*.h')
  # A changed header brings in every source that includes it, through other
  # headers too (by its path from the top, or by its name from its folder).
  wanted=() seen=" "
  while [ ${#queue[@]} -gt 0 ]; do
    f=${queue[0]}
    queue=("${queue[@]:1}")
    case $seen in *" $f "*) continue ;; esac
    seen+="$f "
    case $f in
      *.cpp) wanted+=("$f") ;;
      *.h) mapfile -t -O "${#queue[@]}" queue < <(
             git grep -l -F "#include \"$f\"" -- '*.cpp' '*.h' || true
             git grep -l -F "#include \"${f##*/}\"" -- "$(dirname "$f")/*.cpp" "$(dirname "$f")/*.h" || true) ;;
    esac
  done
fi

if [ ${#wanted[@]} -eq 0 ]; then
  echo "clang-tidy: no source changed since ${base:0:7}"
  exit 0
fi

cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNABROSA_SANITIZE=OFF -DNABROSA_PCH=OFF \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
# The moc file a source includes ("x.moc"), made by the moc step of the
# target that compiles it (the one whose AutogenInfo.json names the source).
# Ninja would build every library the target links before that step, so the
# command the build runs for it is run here directly.
for f in "${wanted[@]}"; do
  if grep -q '^#include ".*\.moc"' "$f"; then
    grep -l -F "$(cd "$(dirname "$f")" && pwd)/$(basename "$f")" \
      $(find "$build" -path '*/CMakeFiles/*_autogen.dir/AutogenInfo.json')
  fi
done | sort -u | xargs -r -P 2 -I{} sh -c 'cd "$(dirname "$(dirname "$(dirname "$1")")")" && cmake -E cmake_autogen "$1" Debug' _ {} >/dev/null

# Only the sources this configuration compiles (not the fuzz target, which
# only the clang fuzz build makes).
mapfile -t files < <(printf '%s\n' "${wanted[@]}" | sort -u | python3 -c '
import json, os, sys
known = {os.path.realpath(e["file"]) for e in json.load(open(sys.argv[1]))}
for line in sys.stdin:
    f = line.strip()
    if f and os.path.realpath(f) in known:
        print(f)
' "$build/compile_commands.json")
if [ ${#files[@]} -eq 0 ]; then
  echo "clang-tidy: no changed source that this configuration compiles"
  exit 0
fi
echo "clang-tidy: ${#files[@]} sources${base:+ changed since $(git rev-parse --short "$base")}"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
printf '%s\n' "${files[@]}" | xargs -P 2 -n 4 "$tidy" -p "$build" --quiet >"$log" 2>&1 || status=$?
# clang-tidy counts the warnings of Qt's headers that it hides; keep its
# findings only.
grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^$' "$log" || true
if [ "$status" -ne 0 ]; then
  echo "clang-tidy found problems"
  exit 1
fi
echo "clang-tidy: clean"
