#!/usr/bin/env bash
# Seeds small faults into the program, one at a time, and sees whether the
# test suite catches each:
#   scripts/seeded-faults.sh [count] [seed]      (40 faults, seed 1 by default)
# The faults are drawn by seed from the program's own sources (app, quiniela,
# loto, help, version; not the Windows-only files, the build tools or the
# benchmarks): a comparison flipped, a number off by one, && swapped with ||,
# true with false, or a constant of 100 or more (a twip position) moved by a
# tenth. Each faulty program is built in build-faults/ and the whole suite is
# run until its first failure; a fault that does not build is put back and
# another drawn. The file is restored after each fault, and on any exit.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
count=${1:-40}
seed=${2:-1}
build="$root/build-faults"
"$root/scripts/install-deps.sh"
"$root/scripts/print-queue.sh"
options=()
command -v ccache >/dev/null && options=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Every fault relinks each test program: lld does that in a fraction of the time.
command -v ld.lld >/dev/null && options+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
cmake -S "$root" -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" -j"$(nproc)" >/dev/null 2>&1 || { echo "the suite fails without faults" >&2; exit 1; }

cd "$root"
faults=$(mktemp)
backup=$(mktemp)
file=""
restore() { if [ -n "$file" ]; then cp "$backup" "$file"; file=""; fi; }
trap 'restore; rm -f "$faults" "$backup"' EXIT
python3 - "$seed" >"$faults" <<'PY'
import random, re, subprocess, sys
files = [f for f in subprocess.check_output(
    ["git", "ls-files", "app", "quiniela", "loto", "help", "version"], text=True).split()
    if f.endswith(".cpp") and "_windows" not in f and "/tools/" not in f]
swaps = {" < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ", " == ": " != ", " != ": " == ",
         "&&": "||", "||": "&&", "true": "false", "false": "true"}
token = re.compile(r" (?:<=|>=|==|!=|<|>) |&&|\|\||\btrue\b|\bfalse\b|(?<![\w.])\d+(?![\w.])")
strings = re.compile(r'"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'')
sites = []
for f in sorted(files):
    for n, line in enumerate(open(f, encoding="utf-8"), 1):
        code = line.split("//")[0]
        if code.lstrip().startswith(("#", "*", "/*")) or "static_assert" in code:
            continue
        blanked = strings.sub(lambda m: " " * len(m.group()), code)
        for m in token.finditer(blanked):
            t = m.group()
            if t.isdigit():
                v = int(t)
                sites.append((f, n, m.start(), t, str(v + v // 10) if v >= 100 else str(v + 1)))
            else:
                sites.append((f, n, m.start(), t, swaps[t]))
random.Random(int(sys.argv[1])).shuffle(sites)
for f, n, col, old, new in sites:
    print(f"{f}\t{n}\t{col}\t{old}\t{new}")
PY
caught=0 tried=0
while IFS=$'\t' read -r path line col old new && [ "$tried" -lt "$count" ]; do
  cp "$path" "$backup"
  file=$path
  python3 - "$file" "$line" "$col" "$old" "$new" <<'PY'
import sys
f, n, col, old, new = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5]
lines = open(f, encoding="utf-8").read().split("\n")
s = lines[n - 1]
assert s[col:col + len(old)] == old
lines[n - 1] = s[:col] + new + s[col + len(old):]
open(f, "w", encoding="utf-8").write("\n".join(lines))
PY
  where="$file:$line '$(echo "$old" | xargs)' -> '$(echo "$new" | xargs)'"
  if ! cmake --build "$build" -j"$(nproc)" >/dev/null 2>&1; then
    restore
    continue
  fi
  tried=$((tried + 1))
  start=$(date +%s)
  if ctest --test-dir "$build" -j"$(nproc)" --stop-on-failure --timeout 600 >/dev/null 2>&1; then
    verdict=missed
  else
    verdict=caught
    caught=$((caught + 1))
  fi
  printf '%3d  %-6s %4ds  %s\n' "$tried" "$verdict" $(($(date +%s) - start)) "$where"
  restore
done <"$faults"
cmake --build "$build" -j"$(nproc)" >/dev/null
echo "Seeded faults: $caught of $tried caught ($((100 * caught / tried)) %), seed $seed"
