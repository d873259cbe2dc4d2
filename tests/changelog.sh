#!/usr/bin/env bash
# The Debian changelog as the package's configuration makes it, configured
# three times in a row in one folder (as ./run then ./package do), with a
# maintainer, without one, and with one again: each time one well-formed
# entry (dpkg-parsechangelog, and lintian's rule for the trailer line
# " -- Name <address>  Date"), and the date of the first configuration kept.
# A small project of its own that uses the package's own CMake code: no
# compiler is looked for. Usage: changelog.sh CMAKE
set -euo pipefail
cmake=${1:-cmake}
src=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf -- "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$scratch/project" "$scratch/home"
cat >"$scratch/project/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(Nabrosa VERSION 3.0 LANGUAGES NONE)
include("$src/desktop/debian.cmake")
set(NABROSA_MAINTAINER "" CACHE STRING "")
nabrosa_find_maintainer(maintainer)
nabrosa_write_changelog(\${CMAKE_BINARY_DIR}/changelog "$src/desktop/changelog.in" "\${maintainer}")
CMAKE

# No maintainer from the caller's environment or git: a home of its own.
unset DEBFULLNAME DEBEMAIL NABROSA_MAINTAINER
export HOME=$scratch/home GIT_CONFIG_NOSYSTEM=1
first_date=
check() {
  local want=$1 log=$scratch/changelog.log
  "$cmake" -S "$scratch/project" -B "$scratch/build" "${@:2}" >"$log" 2>&1 || { cat "$log"; fail "configure failed"; }
  local changelog=$scratch/build/changelog
  [ "$(grep -c '^ -- ' "$changelog")" -eq 1 ] || fail "not one trailer line: $(cat "$changelog")"
  local trailer
  trailer=$(grep '^ -- ' "$changelog")
  [[ $trailer =~ ^\ --\ ([^ <][^<]*[^ ])\ \<([^ >]+)\>\ \ ([A-Z][a-z]{2},\ [0-9]{2}\ [A-Z][a-z]{2}\ [0-9]{4}\ [0-9:]{8}\ [+-][0-9]{4})$ ]] ||
    fail "a malformed trailer line: '$trailer'"
  [ "${BASH_REMATCH[1]} <${BASH_REMATCH[2]}>" = "$want" ] || fail "maintainer '${BASH_REMATCH[1]} <${BASH_REMATCH[2]}>', not '$want'"
  local date=${BASH_REMATCH[3]}
  [ -n "$first_date" ] || first_date=$date
  [ "$date" = "$first_date" ] || fail "the date changed from '$first_date' to '$date'"
  if command -v dpkg-parsechangelog >/dev/null; then
    local parsed
    parsed=$(dpkg-parsechangelog -l "$changelog" 2>&1) || fail "dpkg-parsechangelog: $parsed"
    ! grep -qi 'warning' <<<"$parsed" || fail "dpkg-parsechangelog: $parsed"
    grep -qx 'Version: 3.0' <<<"$parsed" || fail "no version 3.0: $parsed"
    grep -qxF "Maintainer: $want" <<<"$parsed" || fail "dpkg-parsechangelog reads another maintainer: $parsed"
  fi
}
check "Ada Teacher <ada@school.example>" -DNABROSA_MAINTAINER="Ada Teacher <ada@school.example>"
check "Unknown maker <nobody@invalid>" -DNABROSA_MAINTAINER=
DEBFULLNAME="Basma Teacher" DEBEMAIL=basma@school.example check "Basma Teacher <basma@school.example>"
echo "ok: $(grep '^ -- ' "$scratch/build/changelog")"
