# SPDX-License-Identifier: Apache-2.0
# Installs the Debian packages that building, running and testing need, when any is missing.
# Sourced by scripts/run and scripts/test.

MRL770_PACKAGES=(
  cmake g++ make pkg-config clang-format
  googletest libgtest-dev libgmock-dev
  qt6-base-dev libgl-dev libxcb1-dev fonts-dejavu-core
  libcups2-dev cups-daemon cups-client
  libpappl-dev cups-ipp-utils curl
  # What an IPP Everywhere queue needs to print a PDF or a text: cups-filters' pdftopdf,
  # texttopdf and gstoraster, CUPS's rastertopwg and its conversions; ghostscript makes test PDFs.
  cups cups-filters ghostscript
  desktop-file-utils appstream man-db groff-base dpkg-dev debhelper lintian file strace
  xvfb x11-utils
  xdotool imagemagick openbox qt6-gtk-platformtheme
)

install_missing_packages() {
  local missing=()
  local pkg
  for pkg in "${MRL770_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q >/dev/null
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}
