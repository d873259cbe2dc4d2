# Installs the Debian packages the project needs that are missing, with
# apt-get as root or through sudo. Sourced by ./run and ./test.

nabrosa_packages_build="cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev fonts-noto-ui-core qt6-translations-l10n libbenchmark-dev"
nabrosa_packages_display="xvfb xauth"
nabrosa_packages_fuzz="clang libclang-rt-14-dev python3"
nabrosa_packages_a11y="python3-pyatspi at-spi2-core dbus xvfb xauth"

nabrosa_install() {
  local missing=() pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
