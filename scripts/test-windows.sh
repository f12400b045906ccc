#!/usr/bin/env bash
# Tests the Windows build (scripts/build-windows.sh) under Wine:
#  1. every test program of the cross build, through CTest, each run whole
#     under Wine with QT_QPA_PLATFORM=offscreen; the counts of their cases are
#     summed at the end. Not built for Windows, so not run here, by one rule:
#     what needs this machine's own services rather than Windows' — the
#     end-to-end tests (they print on the CUPS queue through libcups and read
#     its output folder), the D-Bus file-manager test and the benchmarks;
#  2. Tiqueron.exe on a virtual display: the start-up window's caption and
#     both ticket windows;
#  3. printing from Tiqueron.exe on the default printer, which Wine takes
#     from CUPS (a PDF queue, scripts/print-queue.sh): the football-pools run
#     of the sample AD243 and the first ticket of each sample lotto file,
#     checked on paper by the same ink checks as the Linux end-to-end tests.
# Screenshots and sheets are kept in build-windows/wine-run/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-windows"
exe="$build/Tiqueron.exe"
[ -f "$exe" ] || { echo "no $exe: run scripts/build-windows.sh first" >&2; exit 1; }
# The Linux packages too: the sheets are checked by a test program of this machine.
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/install-deps.sh" --windows
run="$build/wine-run"
rm -rf "$run"
mkdir -p "$run"

export WINEPREFIX="$build/wine"
source "$root/scripts/wine-prefix.sh"

# A real default printer: the CUPS PDF queue, which Wine lists as a Windows
# printer.
bash "$root/scripts/print-queue.sh"

echo "== Test programs under Wine"
mkdir -p "$run/results"
export GTEST_OUTPUT="xml:$(winepath -w "$run/results")\\"
status=0
# The random use of every window, shorter than on Linux: under Wine each
# action costs tens of times more.
export TIQUERON_ACCIONES=${TIQUERON_ACCIONES:-400}
ctest --test-dir "$build" --output-on-failure -j2 --timeout 900 || status=1
unset GTEST_OUTPUT
python3 - "$run/results" <<'PY'
import glob, sys, xml.etree.ElementTree as ET
total = failed = skipped = 0
for f in sorted(glob.glob(sys.argv[1] + "/*.xml")):
    r = ET.parse(f).getroot()
    total += int(r.get("tests")); failed += int(r.get("failures")) + int(r.get("errors", 0))
    skipped += int(r.get("skipped", 0)) + int(r.get("disabled", 0))
print(f"Windows test cases under Wine: {total} run, {total - failed - skipped} passed, "
      f"{failed} failed, {skipped} skipped, in {len(glob.glob(sys.argv[1] + '/*.xml'))} programs")
PY

echo "== Tiqueron.exe on a virtual display"
mkdir -p "$run/programa"
cp "$exe" "$root"/data/* "$run/programa/"
bash "$root/scripts/gui-check.sh" "$run/programa" Tiqueron.exe "$run" || status=1
exit $status
