#!/usr/bin/env bash
# Makes the two releases in dist/, named with the product version the
# program's version record holds:
#   Tiqueron-<version>-windows.zip        Tiqueron.exe (scripts/build-windows.sh),
#                                         lotoAy.txt, the sample files, LEEME.txt
#   Tiqueron-<version>-linux-x86_64.tar.gz a program folder: Tiqueron, its data,
#                                         an icon, tiqueron.desktop, instalar.sh,
#                                         desinstalar.sh, LEEME.txt
# The Windows one is left out, with a line saying so, when the Qt for Windows
# is not in the cache (scripts/build-windows.sh builds it).
#   --test   then tries each as a new user would (scripts/test-release.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist="$root/dist"
assets="$root/scripts/release"
mkdir -p "$dist"

# The text of the "ProductVersion" entry of the version record in a program
# file (a Windows resource or the Linux program's record section).
product_version() {
  python3 - "$1" <<'PY'
import re, sys
data = open(sys.argv[1], "rb").read()
key = "ProductVersion\0".encode("utf-16-le")
# The key is also a text of the program's own code; the record's entry is the
# one holding a version. The record lies 32-bit aligned in the file.
at = data.find(key)
while at >= 0:
    start = at + len(key)
    start += (4 - start % 4) % 4
    end = start
    while end + 2 <= len(data) and data[end:end + 2] != b"\0\0":
        end += 2
    text = data[start:end].decode("utf-16-le", "replace")
    if re.fullmatch(r"\d+\.\d+\.\d+", text):
        print(text)
        sys.exit(0)
    at = data.find(key, at + 2)
sys.exit("no version record in " + sys.argv[1])
PY
}

# The Linux program, built for release.
bash "$root/scripts/install-deps.sh"
linux_build="$root/build-release"
cmake -S "$root" -B "$linux_build" -DCMAKE_BUILD_TYPE=Release -DTIQUERON_TESTS=OFF >/dev/null
cmake --build "$linux_build" -j"${TIQUERON_JOBS:-2}" --target Tiqueron
version=$(product_version "$linux_build/Tiqueron")
echo "version $version"

samples=(AD243 Qp07.TXT AB000017.TXT AB000020.LOT AE000012.TXT AG000014.TXT AP000017.TXT configloi.cfg)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

name="Tiqueron-$version-linux-x86_64"
folder="$stage/$name"
mkdir -p "$folder"
strip -o "$folder/Tiqueron" "$linux_build/Tiqueron"
cp "$root/data/lotoAy.txt" "${samples[@]/#/$root/data/}" "$folder/"
cp "$assets/tiqueron.svg" "$assets/tiqueron.desktop" "$assets/instalar.sh" "$assets/desinstalar.sh" "$folder/"
sed "s/@VERSION@/$version/" "$assets/LEEME-linux.txt" >"$folder/LEEME.txt"
chmod 755 "$folder/Tiqueron" "$folder/instalar.sh" "$folder/desinstalar.sh"
tar -C "$stage" -czf "$dist/$name.tar.gz" --owner=0 --group=0 "$name"
echo "$dist/$name.tar.gz: $(stat -c %s "$dist/$name.tar.gz") bytes"

if [ -f "${TIQUERON_CACHE:-$HOME/.cache/tiqueron}/qt-6.4.2-mingw-static/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
  bash "$root/scripts/build-windows.sh"
  exe="$root/build-windows/Tiqueron.exe"
  [ "$(product_version "$exe")" = "$version" ] || { echo "Tiqueron.exe carries another version" >&2; exit 1; }
  name="Tiqueron-$version-windows"
  folder="$stage/$name"
  mkdir -p "$folder"
  x86_64-w64-mingw32-strip -o "$folder/Tiqueron.exe" "$exe"
  cp "$root/data/lotoAy.txt" "${samples[@]/#/$root/data/}" "$folder/"
  # Files beside the program are Windows text: code page 1252, CR LF.
  sed "s/@VERSION@/$version/" "$assets/LEEME-windows.txt" | iconv -f UTF-8 -t WINDOWS-1252 >"$folder/LEEME.txt"
  rm -f "$dist/$name.zip"
  (cd "$stage" && zip -qr "$dist/$name.zip" "$name")
  echo "$dist/$name.zip: $(stat -c %s "$dist/$name.zip") bytes"
else
  echo "release: no Windows release: the Qt for Windows is not in the cache (scripts/build-windows.sh builds it, about an hour)"
fi

if [ "${1:-}" = "--test" ]; then
  bash "$root/scripts/test-release.sh" "$version"
fi
