#!/usr/bin/env bash
# The tests' share of the code: non-blank lines that are not only a //
# comment, in the .cpp and .h files git tracks; tests/ against the rest.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { if [ $# -gt 0 ]; then cat "$@" | grep -cvE '^[[:space:]]*(//.*)?$' || true; else echo 0; fi; }
mapfile -t tests < <(git ls-files -- 'tests/*.cpp' 'tests/*.h')
mapfile -t code < <(git ls-files -- '*.cpp' '*.h' ':!tests/')
t=$(count "${tests[@]}")
c=$(count "${code[@]}")
echo "Test share: $t test lines against $c code lines, $((100 * t / c)) %"
