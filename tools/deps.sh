# What a command of the project needs from the system: the Debian packages of
# all its phases and, for the tests, a locale. The command names it all up
# front (nabrosa_need); what is missing is said before anything is tried, and
# then installed in one go with apt-get as root or through sudo (one password
# prompt). A user who is neither root nor able to use sudo gets one line to
# paste that does all of it (through `su -`, whose login shell has root's
# PATH with /usr/sbin, where locale-gen is), and the command stops.
# Sourced by ./run, ./test, ./package and fuzz/run.

. "$(dirname "${BASH_SOURCE[0]}")/phases.sh"

nabrosa_packages_build="cmake ninja-build g++ lld pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6sql6-sqlite fonts-noto-ui-core qt6-translations-l10n"
nabrosa_packages_display="xvfb xauth"
nabrosa_packages_fuzz="clang libclang-rt-14-dev python3"
nabrosa_packages_a11y="python3-pyatspi at-spi2-core dbus dbus-x11 xvfb xauth orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox xdotool"
nabrosa_packages_test="locales libbenchmark-dev clang-format clang-tidy poppler-utils python3"
nabrosa_packages_package="dpkg-dev file lintian"

# nabrosa_need [--locale NAME] PACKAGE...: makes sure every PACKAGE is
# installed and, with --locale, that the UTF-8 locale NAME (ar_EG.UTF-8)
# exists. Installs what is missing, or fails after printing the line for root.
nabrosa_need() {
  local locale= missing=() pkg
  if [ "${1:-}" = --locale ]; then
    locale=$2
    shift 2
  fi
  for pkg in $(printf '%s\n' "$@" | sort -u); do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  # locale -a spells UTF-8 as utf8.
  if [ -n "$locale" ] && locale -a 2>/dev/null | grep -qx "${locale%%.*}.utf8"; then
    locale=
  fi
  [ ${#missing[@]} -gt 0 ] || [ -n "$locale" ] || return 0

  local what= script n=${#missing[@]}
  if [ "$n" -gt 0 ]; then
    what="$n package$([ "$n" -eq 1 ] || echo s) (${missing[*]})"
  fi
  [ -z "$locale" ] || what="${what:+$what and }the $locale locale"
  script=$(nabrosa_root_script ${locale:+--locale "$locale"} "${missing[@]}")
  echo "Missing: $what."

  local how=()
  if [ "$(id -u)" -eq 0 ]; then
    how=(env)
  elif command -v sudo >/dev/null 2>&1; then
    if sudo -n true 2>/dev/null || { echo "Installing them with sudo:" && sudo -v; }; then
      how=(sudo -n env)
    fi
  fi
  if [ ${#how[@]} -eq 0 ]; then
    nabrosa_paste_line "$script" >&2
    return 1
  fi
  [ -n "$nabrosa_log" ] || nabrosa_log_to build/setup.log
  nabrosa_phase "Installing" "${how[@]}" DEBIAN_FRONTEND=noninteractive sh -c \
    "${script//apt-get /apt-get -o DPkg::Lock::Timeout=600 }"
}

# nabrosa_root_script [--locale NAME] PACKAGE...: the shell commands, for
# root, that install the packages and make the locale.
nabrosa_root_script() {
  local locale= script=
  if [ "${1:-}" = --locale ]; then
    locale=$2
    shift 2
  fi
  [ $# -eq 0 ] || script="apt-get update && apt-get install -y --no-install-recommends $*"
  if [ -n "$locale" ]; then
    # Enabled in locale.gen, so that a later locale-gen keeps it.
    script="${script:+$script && }{ grep -qx '$locale UTF-8' /etc/locale.gen || echo '$locale UTF-8' >> /etc/locale.gen; } && locale-gen"
  fi
  echo "$script"
}

# nabrosa_paste_line SCRIPT: what a user who is neither root nor able to use
# sudo is told, with the line that runs SCRIPT as root. `su -` (a login
# shell) and not `su -c`: the latter keeps the user's PATH, which lacks
# /usr/sbin, where locale-gen is.
nabrosa_paste_line() {
  echo "This user is neither root nor able to use sudo. Paste this line (it asks"
  echo "for the root password), then run ${nabrosa_command:-$0} again:"
  echo
  echo "    su - -c \"$1\""
  echo
}

# The names the other scripts of the project use.
nabrosa_install() { nabrosa_need "$@"; }
nabrosa_locale() { nabrosa_need --locale "$1"; }
