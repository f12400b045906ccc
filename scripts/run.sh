#!/usr/bin/env bash
# Builds Tiqueron and starts it from the build folder, with the sample files
# of data/ beside the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DTIQUERON_TESTS=OFF >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target Tiqueron
exec "$root/build/Tiqueron" "$@"
