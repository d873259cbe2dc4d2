# Installs the Debian packages the project needs that are missing, with
# apt-get as root or through sudo. A user who is neither root nor able to use
# sudo gets the exact command to run as root, and the calling script stops.
# Sourced by ./run, ./test, ./package and fuzz/run.

nabrosa_packages_build="cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev fonts-noto-ui-core qt6-translations-l10n libbenchmark-dev"
nabrosa_packages_display="xvfb xauth"
nabrosa_packages_fuzz="clang libclang-rt-14-dev python3"
nabrosa_packages_a11y="python3-pyatspi at-spi2-core dbus dbus-x11 xvfb xauth orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox xdotool"
nabrosa_packages_test="locales"
nabrosa_packages_package="dpkg-dev file"

# Runs a command as root: directly when root, else through sudo when there is
# one. Fails (without running it) when neither is possible.
nabrosa_as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    return 127
  fi
}

# nabrosa_ask_root WHAT COMMAND: says what is missing and the command to run
# as root, then fails.
nabrosa_ask_root() {
  {
    echo "$1, and this user is neither root nor able to use sudo."
    echo "Run this as root, then run this command again:"
    echo
    echo "    $2"
    echo
  } >&2
  return 1
}

nabrosa_install() {
  local missing=() pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local line="apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
  if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null 2>&1; then
    nabrosa_ask_root "Missing packages: ${missing[*]}" "$line"
    return 1
  fi
  if ! nabrosa_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq ||
     ! nabrosa_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
    nabrosa_ask_root "Missing packages: ${missing[*]}" "$line"
    return 1
  fi
}

# Makes a UTF-8 locale available (for example ar_EG.UTF-8), generating only
# that one locale, and only when it is missing. Needs the locales package.
nabrosa_locale() {
  local name=$1 lang=${1%%.*}
  # locale -a spells UTF-8 as utf8.
  if locale -a 2>/dev/null | grep -qx "$lang.utf8"; then
    return 0
  fi
  echo "Generating the $name locale"
  # Enabled in locale.gen too, so that a later locale-gen keeps it.
  local enable="s/^# *$name UTF-8\$/$name UTF-8/"
  if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null 2>&1; then
    nabrosa_ask_root "The $name locale is missing" "sed -i '$enable' /etc/locale.gen && locale-gen"
    return 1
  fi
  if { [ -f /etc/locale.gen ] && ! nabrosa_as_root sed -i "$enable" /etc/locale.gen; } ||
     ! nabrosa_as_root localedef -i "$lang" -f UTF-8 "$name"; then
    nabrosa_ask_root "The $name locale is missing" "sed -i '$enable' /etc/locale.gen && locale-gen"
    return 1
  fi
}
