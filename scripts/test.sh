#!/usr/bin/env bash
# Builds Tiqueron with its tests and runs them all.
#   --sanitize   build and run with AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-tests"
flags=()
if [ "${1:-}" = "--sanitize" ]; then
  build="$root/build-sanitize"
  flags=(-DTIQUERON_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
  export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp"
fi
"$root/scripts/install-deps.sh"
# A real default printer (a PDF queue) for the end-to-end tests.
"$root/scripts/print-queue.sh"
cmake -S "$root" -B "$build" "${flags[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
# Every reader of outside data fuzzed for a short while (once, not again
# under the sanitizers: the fuzzers carry their own).
if [ "${1:-}" != "--sanitize" ]; then
  "$root/scripts/fuzz.sh" --smoke
fi
# The tests' share of the code.
"$root/scripts/test-share.sh"
