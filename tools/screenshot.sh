#!/usr/bin/env bash
# Starts the program under Xvfb, saves a screenshot of its main menu and ends
# it (./run on a machine without a display). It runs in a runtime and a
# temporary folder of its own, removed at the end, and with no session bus:
# its address is one that does not exist, so that no D-Bus session is
# started on demand (dbus-launch, with a file in the home); the home is left
# as it was.
# Usage: screenshot.sh PROGRAM GRABBER OUT.png   (exits 77 without xvfb-run)
set -euo pipefail
program=$(realpath "$1") grabber=$(realpath "$2") shot=$3
command -v xvfb-run >/dev/null || { echo "skipped: xvfb-run is not installed"; exit 77; }
private=$(mktemp -d)
trap 'rm -rf -- "$private"' EXIT
mkdir -m 700 "$private/runtime" "$private/tmp"
export XDG_RUNTIME_DIR=$private/runtime TMPDIR=$private/tmp DBUS_SESSION_BUS_ADDRESS=unix:path=$private/runtime/no-bus
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM AT_SPI_BUS_ADDRESS
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" & pid=$!
  sleep 3
  "$2" "$3"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
' _ "$program" "$grabber" "$shot"
[ -s "$shot" ] || { echo "no screenshot was saved in $shot" >&2; exit 1; }
