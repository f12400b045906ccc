#!/usr/bin/env bash
# Cross-builds Tiqueron for 64-bit Windows: Tiqueron.exe, one file with no
# DLLs beside it, and the test programs, in build-windows/. The static Qt for
# Windows is built once into ~/.cache/tiqueron/ (scripts/windows-qt.sh); the
# first run takes about an hour for it, later runs minutes.
# Prints how long that Qt took to build and the size of the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-windows"
qt=$(bash "$root/scripts/windows-qt.sh" | tail -n 1)

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$root"
fi
mkdir -p "$build"
# Tests run through Wine; CTest hands each program to it.
cmake -S "$root" -B "$build" -G Ninja "${launcher[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/bin/wine >"$build/configure.log" 2>&1 ||
  { tail -n 30 "$build/configure.log" >&2; exit 1; }
cmake --build "$build" -j"${TIQUERON_JOBS:-2}"

exe="$build/Tiqueron.exe"
# Only the system's own DLLs: nothing to ship beside the program.
foreign=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' |
  grep -viE '^(kernel32|user32|gdi32|dwrite|comdlg32|advapi32|shell32|ole32|oleaut32|uuid|winmm|ws2_32|imm32|dwmapi|uxtheme|version|winspool|shlwapi|setupapi|netapi32|userenv|wtsapi32|mpr|d3d9|d3d11|dxgi|dxguid|opengl32|msvcrt|authz|crypt32|bcrypt|secur32|shcore|comctl32|rpcrt4|ntdll|usp10|gdiplus|api-ms-win-[a-z0-9-]+)\.dll$|^winspool\.drv$' || true)
if [ -n "$foreign" ]; then
  echo "Tiqueron.exe needs DLLs that Windows does not have: $foreign" >&2
  exit 1
fi
echo "Qt 6.4.2 for Windows: $(cat "$qt/built-in.txt" 2>/dev/null || echo 'build time not recorded')"
stripped=$(mktemp)
x86_64-w64-mingw32-strip -o "$stripped" "$exe"
echo "Tiqueron.exe: $(stat -c %s "$exe") bytes, $(stat -c %s "$stripped") stripped"
rm -f "$stripped"
