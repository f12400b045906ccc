#!/usr/bin/env bash
# Installs the Debian packages Tiqueron needs to build, run and test; does
# nothing when they are all there already.
#   --windows   those of the Windows build instead: MinGW-w64 cross compilers,
#               Wine to run the result, a virtual display and the release tools
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev
  libgtest-dev googletest
  libcups2-dev dbus-daemon poppler-utils fonts-dejavu-core fonts-liberation
  cups printer-driver-cups-pdf
  clang libclang-rt-14-dev
)
if [ "${1:-}" = "--windows" ]; then
  packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build wine wine64 zip unzip xvfb
    openbox xdotool x11-utils imagemagick)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
