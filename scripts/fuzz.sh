#!/usr/bin/env bash
# Fuzzes every reader of outside data with libFuzzer (clang, AddressSanitizer
# and UndefinedBehaviorSanitizer), one target at a time.
#   --smoke            builds build-fuzz and runs each target for a few seconds
#   --long [seconds [target...]]
#                      runs each target (or those named, as in tests/fuzz/corpus/)
#                      that long (default 1800) at low priority
# Fails when any target finds a crash, a leak, a timeout over 1 s or a run
# over 2 GB; the inputs that did are left in build-fuzz/fuzz-findings/<target>/
# until that target runs again.
# Inputs the fuzzers find interesting collect in build-fuzz/fuzz-corpus/, so a
# later run goes on from there; the seeds stay in tests/fuzz/corpus/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

mode=${1:-}
case "$mode" in
  --smoke) seconds=5 ;;
  --long) seconds=${2:-1800} ;;
  *)
    echo "usage: $0 --smoke | --long [seconds [target...]]" >&2
    exit 2
    ;;
esac

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$build" -DTIQUERON_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target tiqueron_fuzz

targets=()
for seeds in "$root"/tests/fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
priority=()
if [ "$mode" = --long ]; then
  priority=(nice -n 19)
  if [ $# -gt 2 ]; then targets=("${@:3}"); fi
fi

# Allocation stacks of one frame: recording whole ones halves the runs of the
# targets that allocate much. Replaying a finding shows them whole.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=1}

# A purge of the allocator every second only costs page faults here: the
# inputs are small and the memory stays far under the limit.
options=(-max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -purge_allocator_interval=-1
  -print_final_stats=1)
failed=()
for target in "${targets[@]}"; do
  seeds="$root/tests/fuzz/corpus/$target"
  if [ ! -d "$seeds" ]; then
    echo "no target $target" >&2
    exit 2
  fi
  work="$build/fuzz-corpus/$target"
  findings="$build/fuzz-findings/$target"
  log="$build/fuzz-logs/$target.log"
  rm -rf "$findings"
  mkdir -p "$work" "$findings" "$(dirname "$log")"
  folders=("$work" "$seeds")
  if [ -d "$root/tests/fuzz/regressions/$target" ]; then folders+=("$root/tests/fuzz/regressions/$target"); fi
  status=0
  "${priority[@]}" "$build/tests/fuzz/fuzz_$target" "${options[@]}" -artifact_prefix="$findings/" \
    "${folders[@]}" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  # libFuzzer's timeout is wall time: on a busy machine an input can be
  # stopped while it waits for the processor. A run stopped only by timeouts
  # counts as a finding when one of their inputs is slow again run alone.
  stall=false
  if [ "$status" -ne 0 ] && grep -q 'ERROR: libFuzzer: timeout' "$log" &&
    [ -z "$(ls "$findings" | grep -v '^timeout-')" ]; then
    stall=true
    for input in "$findings"/timeout-*; do
      for _ in 1 2 3; do "$build/tests/fuzz/fuzz_$target" -timeout=1 "$input" >/dev/null 2>&1 || stall=false; done
    done
  fi
  if $stall; then
    echo "fuzz_$target: ${runs:-?} runs, then stopped by a stall of the machine ($log):" \
      "its input runs in time alone"
  elif [ "$status" -ne 0 ] || [ -n "$(ls -A "$findings")" ]; then
    failed+=("$target")
    echo "fuzz_$target: FOUND after ${runs:-?} runs ($log):"
    grep -E '^(==[0-9]+==ERROR|SUMMARY|fuzz check failed|.*runtime error)' "$log" | head -5 || true
    ls "$findings" | sed "s|^|  $findings/|"
  else
    echo "fuzz_$target: ${runs:-?} runs, ${rate:-?}/s, nothing found"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]}; replay one with build-fuzz/tests/fuzz/fuzz_<target> <input>" >&2
  exit 1
fi
