#!/usr/bin/env bash
# Runs one test in a home, a runtime and a temporary folder of its own, made
# empty for it and removed after it, away from the user's desktop: no display, and a
# session bus address where there is none (so that no D-Bus session is
# started on demand). Every process the test started and left running is
# ended, and the test fails for it. With --home-unchanged the test must also
# leave its home as it found it (a test that makes its own, as the
# accessibility walks do, so that they never write into the user's).
# Usage: private.sh [--home-unchanged] COMMAND [ARGUMENT...]
set -uo pipefail
unchanged=0
if [ "${1:-}" = --home-unchanged ]; then
  unchanged=1
  shift
fi
root=$(mktemp -d "${TMPDIR:-/tmp}/nabrosa-test.XXXXXX") || exit 1
mkdir -m 700 "$root/home" "$root/runtime" "$root/tmp"
# Something the user keeps at home, to be found unchanged.
printf 'keep\n' >"$root/home/.profile"
export HOME=$root/home TMPDIR=$root/tmp
# A test that sets XDG_RUNTIME_DIR empty asks for none (the program makes
# its own then).
if [ -n "${XDG_RUNTIME_DIR+set}" ] && [ -z "$XDG_RUNTIME_DIR" ]; then
  unset XDG_RUNTIME_DIR
else
  export XDG_RUNTIME_DIR=$root/runtime
fi
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache \
  XDG_STATE_HOME=$HOME/.local/state
export DBUS_SESSION_BUS_ADDRESS=unix:path=$root/runtime/bus
unset DISPLAY WAYLAND_DISPLAY AT_SPI_BUS_ADDRESS SESSION_MANAGER
# Every process of the test carries this mark in its environment (children,
# daemons that detach, a D-Bus daemon and what it starts).
export NABROSA_TEST_RUN=$root

snapshot() { (cd "$HOME" && find . -mindepth 1 -printf '%y %p %s %T@\n' | LC_ALL=C sort); }
before=$(snapshot)

"$@"
status=$?

# The processes still running with the mark, but this script (the list of
# processes is taken before grep starts, so grep is not in it).
marked() {
  local files=(/proc/[0-9]*/environ) pid
  for pid in $(grep -lzxF "NABROSA_TEST_RUN=$root" "${files[@]}" 2>/dev/null); do
    pid=${pid#/proc/}
    pid=${pid%/environ}
    [ "$pid" = $$ ] || [ "$pid" = "$BASHPID" ] || echo "$pid"
  done
}
# A process on its way out (a bus daemon told to end) is given a moment.
left=$(marked)
until [ -z "$left" ] || [ "${waited:-0}" -ge 20 ]; do
  sleep 0.1
  waited=$((${waited:-0} + 1))
  left=$(marked)
done
if [ -n "$left" ]; then
  echo "private.sh: the test left these processes running; ended now:" >&2
  for pid in $left; do
    echo "  $pid $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)" >&2
  done
  kill -TERM $left 2>/dev/null
  sleep 1
  kill -KILL $(marked) 2>/dev/null
  [ "$status" -ne 0 ] || status=1
fi

if [ "$unchanged" = 1 ]; then
  after=$(snapshot)
  if [ "$before" != "$after" ]; then
    echo "private.sh: the test changed its caller's home:" >&2
    diff <(echo "$before") <(echo "$after") | sed -n 's/^[<>] /  /p' >&2
    [ "$status" -ne 0 ] || status=1
  fi
fi
rm -rf -- "$root"
exit "$status"
