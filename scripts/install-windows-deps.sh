#!/usr/bin/env bash
# Installs the Debian packages of the Windows build: MinGW-w64 cross compilers,
# Wine to run the result, and the tools of the releases.
set -euo pipefail
packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build wine wine64 zip unzip xvfb
  openbox xdotool x11-utils imagemagick)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
