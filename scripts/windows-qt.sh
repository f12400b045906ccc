#!/usr/bin/env bash
# Builds Qt 6.4.2 for Windows (static, release, MinGW-w64) from Debian's source
# of the very Qt the Linux build uses, and keeps it under ~/.cache/tiqueron/.
# Only what Tiqueron and its tests use. Does nothing when it is there already.
# Prints the folder of that Qt on its last line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${TIQUERON_CACHE:-$HOME/.cache/tiqueron}
prefix="$cache/qt-6.4.2-mingw-static"
if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
  echo "$prefix"
  exit 0
fi

bash "$root/scripts/install-deps.sh" --windows
sources=/etc/apt/sources.list.d/debian.sources
if ! grep -q '^Types: deb-src' "$sources" 2>/dev/null; then
  printf '\nTypes: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' >>"$sources"
  apt-get update -qq
fi

src="$cache/src"
mkdir -p "$src"
tree=$(ls -d "$src"/qt6-base-6.4.2* 2>/dev/null | head -n 1 || true)
if [ -z "$tree" ]; then
  (cd "$src" && apt-get source -qq --download-only qt6-base >/dev/null &&
    tar xf qt6-base_6.4.2*.orig.tar.xz && rm -f qt6-base_*)
  tree=$(ls -d "$src"/qtbase-everywhere-src-6.4.2 | head -n 1)
fi
[ -n "$tree" ] || tree=$(ls -d "$src"/qtbase-everywhere-src-6.4.2)

build="$cache/qt-build"
start=$(date +%s)
# Debian's source leaves out the third-party code of accessibility, tablets
# and SQLite; the program needs none of them, nor network, D-Bus or ICU.
off=(accessibility tabletevent sql network dbus concurrent icu
  system_zlib system_pcre2 system_freetype system_harfbuzz system_png system_jpeg
  system_doubleconversion)
flags=()
for f in "${off[@]}"; do flags+=("-DFEATURE_$f=OFF"); done
cmake -S "$tree" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/scripts/mingw-toolchain.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON -DCMAKE_BUILD_TYPE=Release \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX="$prefix" \
  "${flags[@]}" >"$cache/qt-configure.log" 2>&1 ||
  { tail -n 30 "$cache/qt-configure.log" >&2; exit 1; }
nice -n 10 cmake --build "$build" --parallel "$(nproc)" >"$cache/qt-build.log" 2>&1 ||
  { tail -n 30 "$cache/qt-build.log" >&2; exit 1; }
cmake --install "$build" >"$cache/qt-install.log" 2>&1
rm -rf "$build"
minutes=$(( ($(date +%s) - start + 30) / 60 ))
echo "Qt 6.4.2 for Windows built in $minutes min" | tee "$prefix/built-in.txt" >&2
echo "$prefix"
