#!/usr/bin/env bash
# Runs every decoder's fuzz target for SECONDS, two at a time, each on a working copy of its
# seed corpus (kept in the build folder, never in the sources). Prints executions and coverage.
# Usage: scripts/fuzz.sh BUILD_DIR SECONDS
set -uo pipefail
build="$1"
seconds="$2"
src="$(cd "$(dirname "$0")/.." && pwd)"
out="$build/fuzz-runs"
mkdir -p "$out"

run_one() {
  local name="$1" work="$out/$1"
  mkdir -p "$work/corpus" "$work/crashes"
  cp -n "$src/tests/fuzz/corpus/$name/"* "$work/corpus/" 2>/dev/null
  "$build/fuzz/fuzz_$name" "$work/corpus" -max_total_time="$seconds" -max_len=65536 \
    -artifact_prefix="$work/crashes/" -print_final_stats=1 >"$work/log" 2>&1
  local status=$?
  local line execs
  line=$(grep -E '^#[0-9]+.*(DONE|cov:)' "$work/log" | tail -1)
  execs=$(grep -E '^stat::number_of_executed_units' "$work/log" | awk '{print $2}')
  printf '%-18s status %d  executions %s  %s\n' "$name" "$status" "${execs:-?}" \
    "$(echo "$line" | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9]+[a-zA-Z]*')"
}

targets=()
for f in "$build"/fuzz/fuzz_*; do targets+=("$(basename "$f" | sed 's/^fuzz_//')"); done
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  run_one "${targets[i]}" &
  [ $((i + 1)) -lt ${#targets[@]} ] && run_one "${targets[i + 1]}" &
  wait
done
found=$(find "$out" -path '*/crashes/*' -type f | wc -l)
echo "findings: $found"
[ "$found" -eq 0 ]
