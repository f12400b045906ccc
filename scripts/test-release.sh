#!/usr/bin/env bash
# Tries the releases of dist/ as a new user would:
#   test-release.sh VERSION
# Each archive is unpacked in a new folder, the program started there, the
# sample files opened and tickets printed on the default printer, and the
# sheets checked on paper (scripts/gui-check.sh). The Linux program must need
# nothing but runtime packages, and its instalar.sh and desinstalar.sh must
# add and remove the menu entry of a new user. The Windows one runs under a
# new Wine prefix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=$1
dist="$root/dist"
work=$(mktemp -d /tmp/tiqueron-release.XXXXXX)
status=0
fail() {
  echo "FAILED: $*" >&2
  status=1
}
bash "$root/scripts/print-queue.sh"

linux="$dist/Tiqueron-$version-linux-x86_64.tar.gz"
echo "== $(basename "$linux")"
user_home="$work/home"
mkdir -p "$user_home/Descargas"
tar -C "$user_home/Descargas" -xzf "$linux"
folder="$user_home/Descargas/Tiqueron-$version-linux-x86_64"
# Every library found, each from a runtime package (none from a -dev one).
missing=$(ldd "$folder/Tiqueron" | grep "not found" || true)
[ -z "$missing" ] || fail "libraries not found: $missing"
# The package of each library (Debian lists some under /lib, not /usr/lib).
packages=$(for lib in $(ldd "$folder/Tiqueron" | awk '/=> \//{print $3}'); do
  dpkg -S "$lib" 2>/dev/null || dpkg -S "$(realpath "$lib")" 2>/dev/null || dpkg -S "${lib#/usr}" 2>/dev/null ||
    echo "unknown: $lib"
done | cut -d: -f1 | sort -u)
echo "libraries from: $(echo $packages)"
grep -q -- '-dev$\|^unknown' <<<"$packages" && fail "a library comes from a development package or none"
HOME="$user_home" XDG_DATA_HOME= sh "$folder/instalar.sh"
entry="$user_home/.local/share/applications/tiqueron.desktop"
[ -f "$entry" ] && grep -qx "Exec=\"$folder/Tiqueron\"" "$entry" || fail "instalar.sh made no menu entry for $folder"
command -v desktop-file-validate >/dev/null && { desktop-file-validate "$entry" || fail "the menu entry is not valid"; }
HOME="$user_home" XDG_DATA_HOME= sh "$folder/desinstalar.sh"
[ ! -e "$entry" ] || fail "desinstalar.sh left the menu entry"
HOME="$user_home" bash "$root/scripts/gui-check.sh" "$folder" Tiqueron "$work/linux-run" || fail "Linux release on screen and paper"

windows="$dist/Tiqueron-$version-windows.zip"
if [ -f "$windows" ]; then
  echo "== $(basename "$windows")"
  unzip -q "$windows" -d "$work/windows"
  export WINEPREFIX="$work/wine"
  source "$root/scripts/wine-prefix.sh"
  bash "$root/scripts/gui-check.sh" "$work/windows/Tiqueron-$version-windows" Tiqueron.exe "$work/windows-run" ||
    fail "Windows release on screen and paper"
fi
echo "release runs kept in $work"
exit $status
