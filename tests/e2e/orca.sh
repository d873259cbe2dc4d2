#!/usr/bin/env bash
# Walks through the program with the Orca screen reader, keyboard only, under
# a private X server and a private D-Bus session, in a home of its own
# (tests/e2e/orca_walk.py).
# Usage: orca.sh PROGRAM [LOG FOLDER]
# Exits 77 (skipped) when the tools it needs are not installed.
set -euo pipefail
program="$(realpath "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
python=/usr/bin/python3
for tool in xvfb-run dbus-run-session "$python" orca speech-dispatcher openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] || { echo "skipped: speech-dispatcher-espeak-ng is not installed"; exit 77; }
[ -e /usr/share/dbus-1/services/org.a11y.Bus.service ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }

# The program runs with its leak checker quiet: the walk ends it through the
# exit confirmation, at once, as a pupil ends it.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
# Orca speaks its own words in Arabic where the locale is there.
if locale -a 2>/dev/null | grep -qx 'ar_EG.utf8'; then
  export LANG=ar_EG.UTF-8 LC_ALL=ar_EG.UTF-8
else
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
fi
# A home and a runtime folder of its own, for everything the session
# starts: the bus daemon and the services it starts (the accessibility bus,
# dconf) take theirs from it, and the settings they write go there.
private=$(mktemp -d)
trap 'rm -rf -- "$private"' EXIT
mkdir -m 700 "$private/home" "$private/runtime"
export HOME=$private/home XDG_RUNTIME_DIR=$private/runtime XDG_CONFIG_HOME=$private/home/.config \
  XDG_DATA_HOME=$private/home/.local/share XDG_CACHE_HOME=$private/home/.cache
unset QT_QPA_PLATFORM DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SPEECHD_ADDRESS
dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" "$python" "$here/orca_walk.py" "$program" "${2:-}"
